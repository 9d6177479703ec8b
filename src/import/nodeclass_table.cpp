// The classification rules in their order. Needles: pre(x) is a quoted key or value beginning
// with x, post(x) one ending with x, exact(x) one that is exactly x; a bare text matches anywhere.

#include "import/nodeclass.h"

#include <utility>

namespace osmimport {

namespace {

using Rules = NodeClassifierRules;
using Join = Rules::Test::Join;
using Kind = Rules::Kind;
using Effect = Rules::Effect;

Rules::Test any() {
    return {};
}
Rules::Test has(std::string a) {
    return {Join::One, std::move(a), {}};
}
Rules::Test both(std::string a, std::string b) {
    return {Join::And, std::move(a), std::move(b)};
}
Rules::Test either(std::string a, std::string b) {
    return {Join::Or, std::move(a), std::move(b)};
}
Rules::Test lacks(std::string a) {
    return {Join::Absent, std::move(a), {}};
}

Rules::Row row(Rules::Test test, std::string code, int label, Kind kind, Effect effect = Effect::None) {
    return {std::move(test), std::move(code), label, kind, effect};
}

// A rule of one row: its test is its head.
Rules::Rule single(Rules::Test test, std::string code, int label, Kind kind, Effect effect = Effect::None) {
    return {std::move(test), false, {row(any(), std::move(code), label, kind, effect)}};
}

struct Needles {
    char q;
    std::string pre(std::string_view x) const { return q + std::string(x); }
    std::string post(std::string_view x) const { return std::string(x) + q; }
    std::string exact(std::string_view x) const { return q + std::string(x) + q; }
};

} // namespace

void buildGroupA(char quote, std::vector<Rules::Rule>& rules) {
    const Needles n{quote};
    const auto T = Kind::Text, D = Kind::Desc, B = Kind::Bare, O = Kind::Off;
    rules = {
        {has("power"), false, {row(has("tower"), "PYL", 0, B), row(has("genera"), "X53", 0, T)}},
        single(has(n.exact("place")), "PLA", 0, D, Effect::NoPosition),
        {has(n.pre("highw")),
         false,
         {row(has(n.pre("bus_")), "BUS", 6, T), row(has("roundab"), "ROU", 0, B),
          row(has("camera"), "X46", 0, D), row(has("traffic"), "TRA", 0, B)}},
        {has(n.pre("ameni")),
         true,
         {row(both("post_", "office"), "X23", 0, T),
          row(has("post_"), "POS", 4, O),
          row(has("worship"), "CHU", 1, T),
          row(has(n.post("pub")), "PUB", 2, T),
          row(has(n.pre("parkin")), "PAR", 5, T),
          row(has("phone"), "MOB", 3, T),
          row(has("toilet"), "TOI", 8, T),
          row(has(n.pre("atm")), "ATM", 11, T),
          row(has("school"), "SCH", 7, T),
          row(has("pharm"), "PHA", 15, T),
          row(has("recyc"), "REC", 19, T),
          row(has(n.pre("bus")), "X28", 6, T),
          row(has(n.post("fuel")), "FUE", 13, T),
          row(has("hospital"), "HOS", 14, T),
          row(has("fire_"), "FIR", 0, T),
          row(has("police"), "X60", 0, T),
          row(has("restau"), "RES", 21, T),
          row(has(n.pre("bank")), "BAN", 12, T),
          row(has(n.pre("fast_fo")), "X7 ", 0, T),
          row(has("caf"), "CAF", 20, T),
          row(has("library"), "X55", 0, T),
          row(has("cinema"), "X61", 0, T),
          row(has(n.pre("bicy")), "X34", 0, T),
          row(has(n.exact("bar")), "X9 ", 0, T),
          row(has(n.pre("night")), "X10", 0, T),
          row(has("townhall"), "X16", 0, T),
          row(has(n.pre("taxi")), "X4 ", 0, T),
          row(has(n.pre("court")), "X1 ", 0, T),
          row(has(n.pre("theat")), "X2 ", 0, T),
          row(either(n.pre("universit"), n.pre("colleg")), "X5 ", 0, T),
          row(has(n.pre("bench")), "X24", 0, T),
          row(has("fountain"), "X12", 0, T),
          row(has(n.pre("arts")), "X27", 0, T),
          row(has("car_ren"), "X65", 0, T),
          row(has("ferry"), "X18", 0, T),
          row(has(n.pre("drink")), "X30", 0, O),
          row(has(n.pre("car_w")), "X31", 0, T),
          row(has(n.pre("kinder")), "X32", 0, T),
          row(either(n.pre("litter"), n.post("_basket")), "X35", 0, O),
          row(either(n.pre("docto"), n.pre("surg")), "X40", 0, T),
          row(has(n.pre("publ")), "X41", 0, T),
          row(has("dentist"), "X43", 0, T),
          row(has(n.pre("vet")), "X44", 0, T),
          row(has(n.pre("vend")), "X45", 0, O),
          row(has(n.pre("shelt")), "X49", 0, O),
          row(has(n.pre("car_s")), "X50", 0, O),
          row(has(n.pre("grit_b")), "X51", 0, O),
          row(has(n.pre("bierg")), "X52", 0, O),
          row(any(), "AME", 0, T, Effect::Amenity)}},
        {has("railway"),
         false,
         {row(has("station"), "STA", 23, T, Effect::Station),
          row(either(n.pre("halt"), "stop"), "X68", 0, B)}},
        single(has(n.pre("superma")), "SUP", 9, T),
        single(has(n.pre("shop")), "SHO", 10, T),
        {has(n.pre("leisure")),
         false,
         {row(has("playground"), "X64", 0, T), row(has("miniature_golf"), "X54", 0, T),
          row(has("golf"), "X56", 0, T), row(has(n.pre("slip")), "X48", 0, T)}},
        single(either(n.pre("monument"), n.pre("memorial")), "X67", 0, T),
        {has("tourism"),
         true,
         {row(has(n.pre("view")), "X63", 0, T), row(has(n.pre("hotel")), "HOT", 16, T),
          row(has(n.pre("camp")), "X29", 0, T), row(has("caravan"), "X59", 0, T),
          row(has("museum"), "X62", 0, T), row(lacks("inform"), "TOU", 18, T), row(any(), "X70", 0, T)}},
        {has("histori"), false, {row(has("museum"), "X62", 0, T), row(any(), "HIS", 17, T)}},
        single(has(n.pre("kiss")), "X36", 0, B),
        single(has(n.pre("cycl")), "X74", 0, B),
        single(has(n.pre("gate")), "X66", 0, B),
        single(has("bollard"), "X25", 0, B),
        {both("railway", "crossing"), false, {row(has("uncontr"), "X42 ", 0, B), row(any(), "X26", 0, B)}},
        single(either("zebra", "crossing"), "X21", 0, B),
        single(has(n.pre("turn")), "X33", 0, B),
        single(has(n.pre("cattl")), "X47", 0, B),
        single(has("wall"), "X13", 0, B),
        single(either("tower", "mast"), "X0 ", 0, T, Effect::ToGroupB),
    };
}

void buildGroupB(char quote, std::vector<Rules::Rule>& rules) {
    const Needles n{quote};
    const auto T = Kind::Text, B = Kind::Bare;
    rules = {
        {has(n.pre("sport")),
         false,
         {row(has("swim"), "X58", 0, T), row(has("soccer"), "X57", 0, T), row(any(), "X11", 0, T)}},
        single(has(n.pre("tree")), "X69", 0, B),
        single(has(n.pre("peak")), "X3 ", 0, T),
        single(has(n.pre("ford")), "X14", 0, B),
        single(has(n.pre("stile")), "X15", 0, B),
        single(has("waterway"), "X17", 0, T),
        single(has("incline"), "X20", 0, B),
        single(has(n.post("windmill")), "X8 ", 0, T),
        single(has("lighthous"), "X22", 0, T),
        single(has(n.pre("addr")), "ADR", 22, T),
        single(has(n.pre("bridge")), "X19", 0, B, Effect::Bridge),
    };
}

} // namespace osmimport
