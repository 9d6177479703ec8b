"""POI icons: the category templates (poi/<code>) and the icon store (poi/x<number>).

Every POI icon is 20 x 20. Icons painted through a mask are badges (a disc) or outlined
silhouettes; icons painted plainly (style 99 and the plain style numbers) fill their whole
square, because the painter copies them as opaque rectangles.
"""

import art_glyphs as g
from art_svg import BIG_H, BIG_I, BIG_P, DARK


def _category(cell, array, caption):
    return "`%s`(0) template and legend button `%s`(1) in cell %d (%s)" % (array, array, cell, caption)


def pictures():
    """(name, picture, what it shows, where it is used) for every POI icon."""
    out = []

    def add(name, pic, shows, used):
        out.append((name, pic, shows, used))

    # Category templates: element 0 of each marker array, element 1 the legend-strip button.
    add("poi/CHU", g.badge("disc", g.RELIGION, g.cross), "cross on a grey disc",
        _category(0, "chrch", "places of worship") + "; code \"CHU\", style 28 (mask `imin`(28))")
    add("poi/PUB", g.badge("disc", g.FOOD, g.beer_mug), "beer glass on a brown disc",
        _category(1, "pb", "pubs") + "; code \"PUB\", style 102")
    add("poi/MOB", g.badge("disc", g.CIVIC, g.telephone), "telephone on a slate disc",
        _category(2, "phone", "phone boxes") + "; code \"MOB\", style 105")
    add("poi/POS", g.badge("square", g.RED, g.envelope), "letter on a red square",
        _category(3, "pbox", "post boxes") + "; code \"POS\", style 99 (plain)")
    add("poi/PAR", g.badge("square", g.TRANSPORT, g.big_letter(BIG_P, 7, 5)), "\"P\" on a blue square",
        _category(4, "park", "car parks") + "; code \"PAR\", style 99 (plain)")
    add("poi/BUS", g.badge("disc", g.TRANSPORT, g.bus_front), "bus on a blue disc",
        _category(5, "bus", "bus stops") + "; code \"BUS\", style 101")
    add("poi/SCH", g.badge("square", g.EDU, g.open_book), "open book on an ochre square",
        _category(6, "school", "schools") + "; code \"SCH\", style 99 (plain)")
    add("poi/TOI", g.badge("disc", g.CIVIC, g.toilets), "man and woman on a slate disc",
        _category(7, "toilet", "toilets") + "; code \"TOI\", style 107")
    add("poi/SUP", g.badge("disc", g.SHOP, g.cart), "shopping trolley on a purple disc",
        _category(8, "shop", "supermarkets") + "; code \"SUP\", style 6 (mask `imin`(6))")
    add("poi/SHO", g.badge("square", g.SHOP, g.bag), "shopping bag on a purple square",
        _category(9, "shopp", "shops") + "; code \"SHO\", style 99 (plain)")
    add("poi/ATM", g.atm_card(), "\"ATM\" on a green card",
        _category(10, "atm", "cash machines") + "; code \"ATM\", style 108")
    add("poi/BAN", g.badge("disc", g.MONEY, g.classical_building), "pillared bank front on a green disc",
        _category(11, "bank", "banks") + "; code \"BAN\", style 109")
    add("poi/FUE", g.badge("disc", "#1f6f8b", g.fuel_pump), "fuel pump on a teal disc",
        _category(12, "petrol", "fuel") + "; code \"FUE\", style 104")
    add("poi/HOS", g.badge("square", g.HEALTH, g.big_letter(BIG_H, 7, 5)), "\"H\" on a red square",
        _category(13, "hospit", "hospitals") + "; code \"HOS\", style 99 (plain)")
    add("poi/PHA", g.badge("square", "#2e7d32", g.broad_cross), "cross on a green square",
        _category(14, "pharm", "pharmacies") + "; code \"PHA\", style 99 (plain)")
    add("poi/HOT", g.badge("square", g.TOURISM, g.bed), "bed on a teal square",
        _category(15, "hotel", "hotels") + "; code \"HOT\", style 99 (plain)")
    add("poi/HIS", g.badge("square", "#7b5a3c", g.castle), "castle on a brown square",
        _category(16, "hist", "historic") + "; code \"HIS\", style 99 (plain)")
    add("poi/TOU", g.badge("square", g.TOURISM, g.star_glyph), "star on a teal square",
        _category(17, "touri", "tourism") + "; code \"TOU\", style 99 (plain)")
    add("poi/REC", g.badge("disc", "#2e7d32", g.cycle_arrows), "two chasing arrows on a green disc",
        _category(18, "recyc", "recycling") + "; code \"REC\", style 102 (the pub's mask: same disc)")
    add("poi/CAF", g.badge("disc", g.FOOD, g.cup), "cup on a brown disc",
        _category(19, "coffe", "cafes") + "; code \"CAF\", style 113")
    add("poi/RES", g.badge("disc", g.FOOD, g.cutlery), "fork and knife on a brown disc",
        _category(20, "resta", "restaurants") + "; code \"RES\", style 112")
    add("poi/ADR", g.shape(g.house_number), "house with a house number",
        "addresses button `Image1` in cell 21 and `addr`(0) template; code \"ADR\", style 103")
    add("poi/STA", g.badge("disc", g.RAIL, g.train_front), "train on a dark blue disc",
        _category(22, "stat", "stations") + "; code \"STA\", style 121")
    add("poi/FIR", g.badge("square", "#b71c1c", g.flame), "flame on a red square",
        "`fire`(0) template; code \"FIR\", style 99 (plain)")
    add("poi/AME", g.badge("disc", "#607d8b", g.node_target), "ring on a grey disc",
        "`amen`(0) template and the \"Amenities without icons\" button `amen`(1) in frame 7; "
        "code \"AME\", style 98")
    add("poi/ROU", g.roundabout(), "circular arrow", "`roundab`(0) template; code \"ROU\", style 106")
    add("poi/TRA", g.traffic_light(), "traffic light",
        "`traffic`(0) template; code \"TRA\", style 99 (plain)")

    icons = {
        0: ("tower or mast", g.shape(g.mast), "lattice mast with a red light"),
        1: ("court house", g.badge("disc", g.CIVIC, g.scales), "scales on a slate disc"),
        2: ("theatre", g.badge("disc", g.CULTURE, g.theatre_mask), "mask on a magenta disc"),
        3: ("peak", g.shape(g.peak), "mountain with a snow cap"),
        4: ("taxi", g.badge("disc", g.YELLOW, g.taxi, DARK),
            "taxi on a yellow disc"),
        5: ("university or college", g.badge("disc", g.EDU, g.mortarboard), "mortarboard on an ochre disc"),
        7: ("fast food", g.badge("disc", g.FOOD, g.burger), "burger on a brown disc"),
        8: ("windmill", g.shape(g.windmill), "windmill"),
        9: ("bar", g.badge("disc", g.FOOD, g.cocktail), "cocktail glass on a brown disc"),
        10: ("nightclub", g.badge("square", "#4a2a7a", g.sparkle), "sparkle on a violet square"),
        11: ("sport", g.badge("disc", g.LEISURE, g.ball), "ball on a green disc"),
        12: ("fountain", g.badge("disc", g.WATER, g.fountain), "fountain on a blue disc"),
        13: ("wall", g.badge("square", "#a1583a", g.wall), "brick wall"),
        14: ("ford", g.shape(g.ford), "road crossing a stream"),
        15: ("stile", g.shape(g.stile), "stile over a fence"),
        16: ("town hall", g.badge("disc", g.CIVIC, g.town_hall), "hall with a clock tower on a slate disc"),
        17: ("waterway point (weir, lock, waterfall)", g.shape(g.waterway), "water drop"),
        18: ("ferry terminal", g.badge("disc", g.TRANSPORT, g.boat), "ferry on a blue disc"),
        19: ("bridge point", g.shape(g.bridge), "arched bridge"),
        20: ("incline", g.shape(g.incline), "slope with a per cent sign"),
        21: ("crossing", g.shape(g.zebra), "zebra stripes"),
        22: ("lighthouse", g.shape(g.lighthouse), "lighthouse with beams"),
        23: ("post office", g.badge("disc", "#e3a500", g.envelope), "letter on a yellow disc"),
        24: ("bench", g.shape(g.bench), "bench"),
        25: ("bollard", g.shape(g.bollard), "bollard"),
        26: ("railway crossing", g.shape(g.railway_crossing), "red saltire"),
        27: ("arts centre", g.badge("disc", g.CULTURE, g.palette), "palette on a magenta disc"),
        28: ("bus station", g.badge("disc", g.TRANSPORT, g.bus_station), "bus under a roof on a blue disc"),
        29: ("camp site", g.badge("disc", "#4a7c2f", g.tent), "tent on a green disc"),
        30: ("drinking water", g.badge("disc", g.WATER, g.tap), "tap and drop on a blue disc"),
        31: ("car wash", g.badge("disc", g.TRANSPORT, g.car_wash), "car and drops on a blue disc"),
        32: ("kindergarten", g.badge("disc", g.EDU, g.blocks), "toy blocks on an ochre disc"),
        33: ("turning circle", g.shape(g.turning_circle), "road ending in a circle"),
        34: ("bicycle parking or rental", g.badge("disc", g.TRANSPORT, g.bicycle), "bicycle on a blue disc"),
        35: ("litter bin", g.shape(g.litter_bin), "litter bin"),
        36: ("kissing gate", g.shape(g.kissing_gate), "kissing gate"),
        37: ("mosque", g.badge("square", "#2e6b5e", g.crescent), "crescent and star on a green square"),
        38: ("synagogue", g.badge("disc", g.RELIGION, g.hexagram), "six-pointed star on a grey disc"),
        39: ("Hindu or Buddhist temple", g.badge("square", "#b35c00", g.wheel), "wheel on a saffron square"),
        40: ("doctors or surgery", g.badge("disc", g.HEALTH, g.small_cross), "cross on a red disc"),
        41: ("public building", g.badge("disc", g.CIVIC, g.public_building),
             "gabled building on a slate disc"),
        42: ("uncontrolled level crossing", g.shape(g.level_crossing_open),
             "warning triangle with a saltire"),
        43: ("dentist", g.badge("disc", "#c2185b", g.tooth), "tooth on a pink disc"),
        44: ("veterinary", g.badge("disc", g.WOOD, g.paw), "paw on a brown disc"),
        45: ("vending machine", g.badge("square", g.SHOP, g.vending), "vending machine on a purple square"),
        46: ("speed camera", g.badge("square", "#455a64", g.camera), "camera on a slate square"),
        47: ("cattle grid", g.shape(g.cattle_grid), "cattle grid"),
        48: ("slipway", g.badge("disc", g.WATER, g.slipway), "ramp and boat on a blue disc"),
        49: ("shelter", g.shape(g.shelter), "roof on posts"),
        50: ("car sharing", g.badge("square", g.TRANSPORT, g.shared_car), "car and arrows on a blue square"),
        51: ("grit bin", g.shape(g.grit_bin), "yellow grit bin"),
        52: ("beer garden", g.badge("square", "#6d7a2d", g.beer_mug), "beer glass on an olive square"),
        53: ("power generator", g.shape(g.lightning), "lightning bolt"),
        54: ("miniature golf", g.badge("disc", "#5aa469", g.putter), "putter and ball on a green disc"),
        55: ("library", g.badge("disc", g.EDU, g.books), "books on a shelf on an ochre disc"),
        56: ("golf", g.badge("disc", g.LEISURE, g.golf_flag), "flag and hole on a green disc"),
        57: ("soccer", g.badge("disc", g.LEISURE, g.football), "football on a green disc"),
        58: ("swimming", g.badge("square", g.WATER, g.swimmer), "swimmer on a blue square"),
        59: ("caravan site", g.badge("disc", g.TOURISM, g.caravan), "caravan on a teal disc"),
        60: ("police", g.badge("disc", "#1f3b73", g.shield), "shield with a star on a navy disc"),
        61: ("cinema", g.badge("square", g.CULTURE, g.film), "film strip on a magenta square"),
        62: ("museum", g.badge("disc", g.TOURISM, g.vase), "vase on a teal disc"),
        63: ("viewpoint", g.badge("disc", g.TOURISM, g.eye), "eye on a teal disc"),
        64: ("playground", g.badge("square", g.LEISURE, g.swing), "swing on a green square"),
        65: ("car rental", g.badge("square", g.TRANSPORT, g.rental_car), "car and key on a blue square"),
        66: ("gate", g.shape(g.gate), "field gate"),
        67: ("monument or memorial", g.shape(g.obelisk), "obelisk"),
        68: ("railway halt or stop", g.badge("square", "#5b8fd0", g.train_front),
             "train on a light blue square"),
        69: ("tree", g.shape(g.tree), "tree"),
        70: ("tourist information", g.badge("square", g.TOURISM, g.big_letter(BIG_I, 9, 5)),
             "\"i\" on a teal square"),
        71: ("named bus stop", g.badge("disc", g.TRANSPORT, g.bus_and_sign),
             "bus and stop sign on a blue disc"),
        72: ("place of worship with its religion or denomination tagged",
             g.badge("disc", g.RELIGION, g.religion_building), "chapel with a star on a grey disc"),
        73: ("gurdwara", g.badge("square", "#1e4fa0", g.khanda), "ring and blade on a blue square"),
        74: ("cycle barrier", g.shape(g.cycle_barrier), "two offset barrier bars"),
    }
    for number in sorted(icons):
        what, pic, shows = icons[number]
        add("poi/x%d" % number, pic, shows, icon_use(number, what))
    return out


PLAIN_STYLES = {10, 13, 37, 39, 45, 46, 50, 52, 58, 61, 64, 65, 68, 70}


def icon_use(number, what):
    if number in (37, 38, 39, 73):
        code = {37: "CHM", 38: "CHJ", 39: "CHH", 73: "CHS"}[number]
        style = 99 if number == 73 else number
    elif number == 71:
        return ("`im`(71): %s, code \"BUS\" whose description holds character 30; "
                "style 101 (the bus mask)" % what)
    elif number == 72:
        return "`im`(72): %s (character 30 in the description of a \"CHU\" node); style 100" % what
    else:
        code, style = "X%d" % number, number
    paint = "plain" if style == 99 or style in PLAIN_STYLES else "mask `imin`(%d)" % style
    if number == 28:
        paint += ", shared with the `chrch` template: same disc"
    return "`im`(%d): %s, code \"%s\"; style %d (%s)" % (number, what, code, style, paint)
