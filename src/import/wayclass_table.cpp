// The classification chain in its order: the map's legend. Needles: n.pre(x) is a quoted key or
// value beginning with x, n.post(x) one ending with x, n.exact(x) one that is exactly x; bare(x)
// matches anywhere; raw(x) searches the text as read instead of the lower-cased text.
// Values: C line colour, K casing, W width, S pen style, L drawing class, F fill colour, tile a
// pattern tile, A fill argument. A sub-rule ends the chain unless it says on.

#include "import/wayclass.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace osmimport {

namespace {

using Rules = WayClassifierRules;
using Needle = Rules::Needle;
using Test = Rules::Test;
using Op = Rules::Op;
using List = Rules::List;
using Then = Rules::Then;
using Steps = std::vector<Rules::Step>;

constexpr Then on = Then::On;
constexpr Then onThenEnd = Then::OnThenEnd;

struct Needles {
    char q;
    Needle pre(std::string_view x) const { return {q + std::string(x)}; }
    Needle post(std::string_view x) const { return {std::string(x) + q}; }
    Needle exact(std::string_view x) const { return {q + std::string(x) + q}; }
    // The words of a comma-separated list, each as pre or exact.
    std::vector<Needle> words(std::string_view list, bool exactly) const {
        std::vector<Needle> out;
        for (std::size_t from = 0;;) {
            const std::size_t comma = list.find(',', from);
            const std::string_view word =
                list.substr(from, comma == std::string_view::npos ? comma : comma - from);
            out.push_back(exactly ? exact(word) : pre(word));
            if (comma == std::string_view::npos) return out;
            from = comma + 1;
        }
    }
};

Needle bare(std::string x) {
    return {std::move(x)};
}
Needle raw(std::string x) {
    return {std::move(x), true};
}
Needle no(Needle n) {
    n.absent = true;
    return n;
}

Test always() {
    return {};
}
Test has(Needle n) {
    return {Test::Join::All, {std::move(n)}};
}
Test anyOf(std::vector<Needle> needles) {
    return {Test::Join::Any, std::move(needles)};
}
Test allOf(std::vector<Needle> needles) {
    return {Test::Join::All, std::move(needles)};
}

Steps flat(std::initializer_list<Steps> parts) {
    Steps out;
    for (const Steps& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}
Steps set(Op op, Double value = 0) {
    return {{op, value, List::Building, {}}};
}
Steps C(int r, int g, int b) {
    return set(Op::LineColour, wayRgb(r, g, b));
}
Steps K(int r, int g, int b) {
    return set(Op::Casing, wayRgb(r, g, b));
}
Steps F(int r, int g, int b) {
    return set(Op::Fill, wayRgb(r, g, b));
}
Steps tile(int number) {
    return set(Op::Fill, number);
}
Steps W(int width) {
    return set(Op::Width, width);
}
Steps S(int style) {
    return set(Op::PenStyle, style);
}
Steps L(int layer) {
    return set(Op::Layer, layer);
}
Steps A(int arg) {
    return set(Op::FillArg, arg);
}
Steps area(bool yes) {
    return set(Op::Area, yes ? 1 : 0);
}
Steps endMark(bool yes) {
    return set(Op::EndMark, yes ? 1 : 0);
}
Steps name() {
    return set(Op::Name, 0);
}
Steps markedName() {
    return set(Op::Name, 1);
}
Steps list(List which) {
    Steps s = set(Op::Append);
    s.front().list = which;
    return s;
}
const Steps CfromF = set(Op::LineFromFill);
const Steps FfromC = set(Op::FillFromLine);
const Steps WfromA = set(Op::WidthFromArg);

// Values applied only where every needle of guard holds.
Steps when(const std::vector<Needle>& guard, std::initializer_list<Steps> values) {
    Steps out = flat(values);
    for (Rules::Step& step : out)
        step.guard.insert(step.guard.begin(), guard.begin(), guard.end());
    return out;
}

Rules::SubRule rule(Test test, std::initializer_list<Steps> values, Then then = Then::End) {
    return {std::move(test), flat(values), then};
}
Rules::Group group(Test head, std::initializer_list<Steps> values, std::vector<Rules::SubRule> subs,
                   bool endsChain = false) {
    return {std::move(head), flat(values), std::move(subs), endsChain};
}
// A rule without sub-rules.
Rules::Group single(Test test, std::initializer_list<Steps> values, Then then = Then::End) {
    return {std::move(test), flat(values), {}, then == Then::End};
}

} // namespace

std::vector<Rules::Group> Rules::buildChain(char quote) {
    const Needles n{quote};
    const Needle typeRoad = raw("type road");
    const Needle grade1 = bare("grade1");
    const Needle myard = bare("myard");
    const Needle canal = bare("canal");
    const Needle wall = n.pre("wall");
    const Needle addrAll = raw("all");
    const Needle addrOdd = raw("odd");
    const Needle addrBuilding = raw(quote + std::string("building") + quote);

    return {
        // Highways.
        group(has(n.pre("highway")),
              {L(1), when({typeRoad}, {set(Op::RoadTypeName)}), when({no(typeRoad)}, {name()})},
              {
                  rule(has(n.pre("resi")), {C(255, 255, 255), W(4), A(4),
                                            when({no(n.pre("name")), no(bare("noname"))}, {C(255, 20, 20)})}),
                  rule(anyOf({bare("classif"), n.pre("road")}), {C(255, 255, 255), W(5), A(5)}),
                  rule(has(n.pre("motorway")), {C(103, 145, 195), W(9), A(9), K(53, 95, 145)}),
                  rule(has(n.pre("primary")), {C(235, 152, 154), K(185, 102, 104), W(7), A(7)}),
                  rule(has(n.pre("secondary")), {C(254, 205, 110), K(204, 155, 60), W(7), A(7)}),
                  rule(has(n.pre("tertiary")), {C(254, 254, 179), K(204, 204, 129), W(6), A(6)}),
                  rule(has(bare("unsurfaced")), {C(150, 150, 150), W(1)}),
                  rule(has(n.pre("trunk")), {C(168, 218, 168), K(118, 168, 118), W(7), A(7)}),
                  rule(has(bare("service")), {C(255, 255, 255), W(3), A(2)}),
                  rule(anyOf({n.pre("pedest"), bare("ing_str")}),
                       {C(220, 220, 220), W(5), A(3),
                        when({n.pre("area"), n.pre("yes")}, {area(true), FfromC, C(0, 0, 0)})}),
                  rule(has(n.exact("path")), {C(170, 170, 170), W(1), S(1), L(0)}),
                  rule(has(n.exact("steps")), {K(203, 184, 167), S(2), W(2), C(131, 0, 64), L(6)}),
                  rule(has(n.pre("bridlew")), {C(0, 128, 0), W(1), S(1), A(3), L(0)}),
                  rule(has(n.pre("cyclew")), {C(0, 0, 128), S(2), W(1), A(3), L(0)}),
                  rule(has(n.pre("track")),
                       {L(0), when({grade1}, {C(201, 161, 81)}), when({no(grade1)}, {S(1), C(153, 102, 0)}),
                        when({n.pre("racew")}, {C(254, 192, 203), W(6), S(0), A(0), L(6)})}),
                  rule(has(n.pre("foot")), {C(255, 0, 0), W(1), S(2), A(0), L(0)}),
                  rule(has(n.pre("racew")), {C(245, 152, 157), W(2), S(0), L(0), A(3)}),
                  rule(has(n.pre("byway")), {C(254, 204, 0), W(1), S(1), L(0), A(3)}),
                  rule(has(n.pre("constr")), {C(226, 248, 255), W(7), S(1), L(2), A(7), K(170, 160, 160)}),
              }),
        // Railways: the group always ends the chain.
        group(
            has(n.pre("railway")), {area(false), L(0)},
            {
                rule(has(bare("landuse")), {W(2), tile(18), A(7), area(true)}),
                rule(always(), {K(0, 0, 0), name()}, on),
                rule(has(bare("v=" + std::string(1, quote) + "rail")), {W(4), F(117, 117, 117), CfromF}, on),
                rule(anyOf({n.pre("aban"), n.pre("disu")}), {W(1), S(2), L(100), C(150, 134, 134)}),
                rule(anyOf({n.pre("tram"), n.pre("mono"), n.pre("funic"), n.pre("light_rail")}),
                     {F(55, 55, 55), W(1), L(100), list(List::Tram), CfromF}),
                rule(has(n.pre("platf")), {F(154, 154, 154), W(8), CfromF, L(100)}),
                rule(has(n.pre("preserv")), {W(4), L(100), C(117, 117, 117)}, on),
                rule(anyOf(n.words("subwa,spur,siding,narrow_g", false)),
                     {W(4), F(117, 117, 117), CfromF, L(100)}),
            },
            true),
        // Waterway lines.
        single(has(n.exact("river")), {markedName(), C(181, 208, 208), W(6), L(0), list(List::Waterway)}),
        single(has(n.exact("stream")), {markedName(), C(181, 208, 208), L(0), list(List::Waterway)}),
        // Airfield lines.
        single(has(n.pre("runway")), {W(10), C(89, 89, 89)}),
        single(has(n.pre("taxiw")), {W(5), C(102, 102, 102)}),
        // Natural lines.
        group(has(n.pre("natural")), {},
              {
                  rule(has(n.pre("cliff")), {W(5), C(102, 102, 102)}),
                  rule(has(n.pre("tree_row")), {W(5), C(0, 0, 255)}),
              }),
        // Residential area, under any key.
        single(has(n.pre("resi")), {F(220, 220, 220), area(true), A(3), L(10), list(List::Residential)}),
        // The area section: the fill argument starts at 0.
        single(always(), {A(0)}, on),
        // Natural areas. Without one of the first four rules the way is no area; a word of the
        // list ends the chain once the glacier rule has been tried.
        group(
            has(n.pre("natural")), {area(true)},
            {
                rule(anyOf({n.exact("water"), n.exact("lake")}),
                     {F(181, 208, 208), K(111, 138, 138), W(1), A(4), L(2), list(List::LandArea)}),
                rule(has(n.pre("beach")), {tile(5), L(2), K(174, 160, 106)}),
                rule(has(n.pre("marsh")), {tile(4), S(0), W(1), A(7), K(21, 108, 186), list(List::LandArea)}),
                rule(has(n.pre("scrub")), {tile(3), K(121, 167, 121), W(2), A(4), L(2)}),
                rule(always(), {area(false)}, on),
                rule(anyOf(n.words("bay,fell,land,mud,scree", true)),
                     {tile(9), area(true), W(1), A(5), K(180, 170, 159)}, onThenEnd),
                rule(has(n.pre("glac")), {F(221, 236, 236), W(1), area(true), A(1), L(2)}),
            }),
        // Landuse.
        group(
            has(n.pre("landu")), {area(true)},
            {
                rule(has(n.pre("forest")), {tile(1), K(91, 146, 58), W(2), A(5), L(2)}),
                rule(has(n.pre("indus")), {F(222, 209, 213), K(152, 139, 143), A(2)}),
                rule(has(n.pre("commercial")), {F(238, 200, 200), K(178, 130, 130), A(2)}),
                rule(has(n.pre("cemetery")), {tile(2), K(67, 122, 75), A(6), list(List::LandArea)}),
                rule(has(n.pre("quarry")), {tile(7), W(3), A(7)}),
                rule(has(n.pre("allotment")), {tile(8), K(150, 126, 82), list(List::LandArea), A(7)}),
                rule(has(n.pre("retail")), {F(240, 218, 217), K(170, 148, 147), W(2), A(5)}),
                rule(has(n.pre("farm")), {when({myard}, {F(221, 191, 146), K(151, 121, 76)}),
                                          when({no(myard)}, {F(234, 216, 189), K(164, 146, 129)}), W(1), A(3),
                                          list(List::LandArea)}),
                rule(has(n.exact("military")),
                     {F(246, 209, 206), W(2), K(226, 189, 186), A(3), list(List::LandArea)}),
                rule(has(n.pre("orch")), {W(1), tile(13), K(151, 121, 76), A(5)}),
                rule(has(n.pre("landfi")), {F(153, 153, 153), W(1), A(5)}),
                rule(anyOf({n.post("grass"), bare("meadow"), bare("e_gre")}),
                     {A(2), tile(20), K(156, 185, 118), W(1), list(List::LandArea)}),
                rule(has(n.exact("field")), {A(2), F(213, 210, 185), W(1), K(153, 150, 125)}),
                rule(has(bare("viney")), {A(3), tile(11), K(74, 147, 68), W(1), list(List::LandArea)}),
                rule(has(n.exact("basin")), {F(181, 208, 208), W(1), K(151, 178, 178), list(List::Building)}),
                rule(anyOf({n.pre("recre"), n.pre("grass")}),
                     {F(207, 236, 168), K(157, 186, 118), W(1), A(2)}),
                rule(anyOf({n.exact("brownfield"), n.exact("greenfield"), n.pre("constr")}),
                     {tile(14), K(106, 106, 57), W(3), A(4)}),
            }),
        // Wood, under any key.
        single(has(n.pre("wood")), {tile(17), A(4), L(2), K(124, 159, 110), area(true), list(List::Wood)}),
        // Amenity.
        group(has(n.pre("amenity")), {area(true)},
              {
                  rule(has(n.pre("parking")),
                       {F(246, 238, 182), K(196, 188, 132), W(2), A(0), list(List::LandArea)}),
                  rule(anyOf({n.pre("school"), n.pre("coll"), n.pre("univ")}),
                       {F(240, 240, 216), K(216, 177, 165), A(0), L(0)}),
                  rule(has(n.pre("hospit")), {F(240, 240, 216), K(255, 190, 176), A(4)}),
                  rule(has(bare("worship")), {F(150, 150, 150), A(2), set(Op::SkipEarlyChecks)}),
                  rule(has(n.pre("grave_y")), {tile(2), K(67, 180, 169), A(7), list(List::LandArea)}),
              }),
        // Leisure.
        group(has(n.pre("leisure")), {area(true)},
              {
                  rule(has(n.pre("tennis")), {tile(21), K(67, 140, 104), A(0), list(List::LandArea)}),
                  rule(has(n.pre("pitch")), {F(137, 210, 174), K(67, 140, 104), A(0), list(List::LandArea)}),
                  rule(anyOf({n.pre("park"), n.pre("recreation_")}),
                       {F(206, 246, 202), K(156, 196, 152), A(2)}),
                  rule(has(n.pre("playgro")),
                       {F(204, 255, 255), W(1), A(0), K(134, 185, 185), list(List::LandArea)}),
                  rule(has(n.pre("golf")), {F(181, 227, 181), W(1), A(0)}),
                  rule(has(n.pre("sports_c")), {F(51, 203, 153), W(1), A(0), list(List::LandArea)}),
                  rule(anyOf({bare("common"), bare("gard"), n.pre("miniat")}),
                       {A(5), F(206, 235, 168), K(156, 185, 118), W(1)}),
                  rule(anyOf({bare("stadi"), bare("-cent"), bare("track")}),
                       {A(0), list(List::LandArea), F(51, 204, 153), K(31, 174, 123), W(1)}),
                  rule(has(bare("nature_")), {A(5), tile(10), K(162, 185, 133), W(1)}),
                  rule(has(bare("water_p")), {A(5), tile(19), K(162, 185, 133), W(1)}),
              }),
        // Tourism.
        group(has(n.pre("touri")), {area(true)},
              {
                  rule(has(n.pre("attra")), {F(241, 202, 233), K(171, 132, 163), A(4)}),
                  rule(has(n.pre("zoo")), {tile(12), K(77, 171, 75), A(4)}),
                  rule(has(n.pre("camp_")), {tile(15), A(4)}),
                  rule(has(n.pre("picn")), {F(223, 246, 193), A(1), K(173, 196, 143)}),
                  rule(has(n.pre("carav")), {tile(16), A(4)}),
              }),
        // Single rules.
        single(has(n.pre("heath")), {F(254, 254, 192), K(154, 154, 92), W(3), A(5), area(true)}),
        single(allOf({n.pre("histor"), n.pre("city")}), {F(120, 120, 120), A(0), area(false)}),
        single(has(n.pre("reservoir")), {F(181, 208, 208), W(2), list(List::LandArea), area(true)}),
        // Water: the group always ends the chain, without q + "waterway" with nothing set.
        group(has(n.pre("water")), {},
              {
                  rule(has(no(n.pre("waterway"))), {}),
                  rule(always(), {area(false), markedName()}, on),
                  rule(anyOf({canal, n.pre("drain"), n.pre("weir")}),
                       {C(181, 208, 208), when({canal}, {A(5)}), when({no(canal)}, {A(2)}), WfromA, L(0),
                        list(List::Waterway)}),
                  rule(has(bare("verbank")), {area(true), tile(19), A(4), W(4), L(0)}),
                  rule(has(n.pre("dam")), {area(false), C(109, 109, 109), A(4), W(4), L(0)}, on),
                  rule(has(n.pre("dock")), {area(true), W(4), L(0), F(181, 208, 208)}),
              },
              true),
        // Green, wetland, military.
        single(has(n.pre("_green")), {F(163, 211, 156), S(5), W(1), A(7), area(true)}),
        single(has(n.exact("wetland")), {tile(4), K(100, 160, 193), W(2), A(7), area(true)}),
        single(has(n.exact("military")),
               {F(254, 143, 143), W(2), K(174, 63, 63), A(3), list(List::LandArea), area(true)}),
        // Man-made.
        group(has(n.pre("man_made")), {area(false)}, {rule(has(n.pre("pier")), {C(210, 210, 210), W(3)})}),
        // Aeroway.
        group(has(n.pre("aerow")), {area(true)},
              {
                  rule(has(n.pre("apron")), {W(2), F(240, 224, 254), K(140, 114, 154), A(3)}),
                  rule(has(n.pre("terminal")), {W(2), F(204, 153, 255), K(154, 103, 205), A(0)}),
                  rule(has(n.pre("aerodrom")), {W(2), F(234, 232, 226), K(184, 182, 176), A(0)}),
              }),
        // Power: a word ends the chain once the line rule has been tried.
        group(has(n.pre("power")), {endMark(false)},
              {
                  rule(anyOf(n.words("sub_st,station,gen", false)),
                       {F(186, 186, 186), A(0), area(true), endMark(true)}, onThenEnd),
                  rule(has(n.post("line")), {area(false), W(1), C(136, 136, 136), L(100)}),
              }),
        // Every way that comes this far.
        group(always(), {area(false), L(0)},
              {
                  rule(has(n.pre("boundary")), {F(96, 92, 168), W(1), S(4), list(List::Boundary), L(100)}),
                  rule(has(n.pre("coast")), {F(166, 154, 186), W(1), S(3), L(100)}),
                  rule(has(n.pre("embankment")), {F(166, 124, 82), W(3), S(1), L(100)}),
                  rule(anyOf({n.pre("cutting"), n.pre("cliff")}), {F(199, 178, 153), L(100), W(1), S(1)}),
                  rule(has(n.pre("ferry")), {C(0, 174, 239), S(2), W(1), A(3), L(100)}),
                  rule(has(n.pre("barrier")), {name(), when({wall}, {W(3)}), when({no(wall)}, {W(1)}),
                                               F(122, 122, 122), L(100), S(0)}),
              }),
        // Address interpolation: ends the chain in every case.
        single(has(raw("addr")), {L(100), when({addrAll}, {S(1)}),
                                  when({no(addrBuilding)}, {C(146, 39, 143), W(1), when({addrOdd}, {S(3)}),
                                                            when({no(addrOdd)}, {S(4)}), A(3), K(0, 0, 0),
                                                            set(Op::AddressLine)})}),
        // Final rules: an aerialway goes on to the ring test, which every remaining way takes.
        single(has(raw("aerialw")), {area(false), L(0), W(1), C(136, 136, 136)}, on),
        single(always(), {set(Op::RingTest)}),
    };
}

} // namespace osmimport
