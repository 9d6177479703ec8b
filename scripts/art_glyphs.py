"""Glyphs of the POI icons: badges (disc or square) and what is drawn on them, and the
outlined silhouettes of street furniture, barriers and natural or man-made features.

Every glyph draws on a 20 x 20 picture. Badge glyphs take the ink colour c and the badge's own
colour b (to cut holes into the ink); silhouettes draw their own outline.
"""

import math

from art_svg import DARK, PAPER, Svg, outlined_line, outlined_poly, outlined_rects, shade

FOOD = "#b0601c"
SHOP = "#7b3fa0"
TRANSPORT = "#2c6fbb"
RAIL = "#1a4f8b"
HEALTH = "#c62828"
MONEY = "#1b7a43"
EDU = "#9a7200"
TOURISM = "#0f7f86"
CIVIC = "#56607a"
LEISURE = "#2e8b57"
CULTURE = "#9c2b6e"
RELIGION = "#4a4a4a"
WATER = "#2f7fc1"
WOOD = "#8d6e63"
STONE = "#9e9e9e"
YELLOW = "#f2b400"
RED = "#c62828"
GREEN = "#3d8b37"


def disc_badge(colour):
    s = Svg(20, 20)
    s.disc(10, 10, 9.8, shade(colour, 0.55))
    s.disc(10, 10, 8.6, colour)
    return s


def square_badge(colour):
    s = Svg(20, 20)
    s.rect(0, 0, 20, 20, shade(colour, 0.55))
    s.rect(1, 1, 18, 18, colour)
    return s


# --- glyphs drawn in colour c on a badge whose own colour is b -------------------------------

def cross(s, c, b=None):
    s.rect(9, 4, 2, 12, c).rect(6, 7, 8, 2, c)


def beer_mug(s, c, b):
    s.rect(5, 4, 9, 2, c).rect(6, 3, 3, 1, c).rect(10, 3, 2, 1, c)
    s.rect(6, 6, 7, 10, c).rect(8, 8, 1, 6, b).rect(10, 8, 1, 6, b)
    s.rect(13, 8, 3, 1, c).rect(15, 8, 1, 5, c).rect(13, 12, 3, 1, c)


def cycle_arrows(s, c, b):
    s.stroke_path("M5 10 A5 5 0 0 1 15 10", c, 2).poly([(12.5, 9), (17.5, 9), (15, 12.5)], c)
    s.stroke_path("M15 10 A5 5 0 0 1 5 10", c, 2).poly([(2.5, 11), (7.5, 11), (5, 7.5)], c)


def telephone(s, c, b):
    s.rect(4, 6, 12, 2, c).rect(4, 6, 3, 3, c).rect(13, 6, 3, 3, c)
    s.poly([(6, 10), (14, 10), (15, 16), (5, 16)], c).disc(10, 13, 1.6, b)


def envelope(s, c, b):
    s.rect(4, 6, 12, 9, c).line([(4.5, 6.5), (10, 11), (15.5, 6.5)], b, 1.2)


def bus_front(s, c, b, x=6, width=8):
    s.rect(x, 4, width, 11, c).rect(x + 1, 5, width - 2, 4, b)
    s.rect(x + 1, 12, 1, 1, b).rect(x + width - 2, 12, 1, 1, b)
    s.rect(x, 15, 2, 1, c).rect(x + width - 2, 15, 2, 1, c)


def bus_station(s, c, b):
    s.rect(4, 4, 12, 2, c)
    bus_front(s, c, b)


def bus_and_sign(s, c, b):
    bus_front(s, c, b, 4, 7)
    s.rect(13, 4, 3, 3, c).rect(14, 7, 1, 9, c)


def train_front(s, c, b):
    s.rect(6, 4, 8, 10, c).rect(7, 3, 6, 1, c).rect(7, 5, 6, 3, b)
    s.rect(7, 11, 1, 1, b).rect(12, 11, 1, 1, b)
    s.line([(8, 14), (6, 17)], c, 1.2).line([(12, 14), (14, 17)], c, 1.2)


def car_side(s, c, b, y=0):
    s.rect(4, 10 + y, 12, 4, c).poly([(6, 10 + y), (8, 7 + y), (12, 7 + y), (14, 10 + y)], c)
    s.disc(7, 14.5 + y, 1.6, c).disc(13, 14.5 + y, 1.6, c)
    s.rect(8, 8 + y, 1.5, 2, b).rect(10.5, 8 + y, 1.5, 2, b)


def taxi(s, c, b):
    car_side(s, c, b)
    s.rect(9, 5, 2, 2, c)


def fuel_pump(s, c, b):
    s.rect(5, 5, 7, 11, c).rect(6, 6, 5, 3, b).rect(4, 15, 9, 1, c)
    s.line([(12, 7), (14.5, 7), (14.5, 13), (15.5, 13), (15.5, 6)], c, 1.2)
    s.rect(14, 4, 3, 2, c)


def open_book(s, c, b):
    s.poly([(3, 6), (9, 7), (9, 15), (3, 14)], c).poly([(11, 7), (17, 6), (17, 14), (11, 15)], c)


def mortarboard(s, c, b):
    s.poly([(3, 8), (10, 5), (17, 8), (10, 11)], c).rect(6, 10, 8, 3, c)
    s.line([(16, 8), (16, 13)], c, 1).rect(15, 13, 2, 2, c)


def blocks(s, c, b):
    s.rect(4, 10, 5, 5, c).rect(10, 10, 5, 5, c).rect(7, 4, 5, 5, c)


def books(s, c, b):
    s.rect(5, 5, 2, 10, c).rect(8, 4, 2, 11, c).rect(11, 6, 2, 9, c).rect(14, 5, 2, 10, c)
    s.rect(4, 15, 13, 1, c)


def toilets(s, c, b):
    s.rect(6, 4, 2, 2, c).rect(5, 7, 4, 5, c).rect(5, 12, 1, 4, c).rect(8, 12, 1, 4, c)
    s.rect(10, 4, 1, 12, c)
    s.rect(13, 4, 2, 2, c).poly([(14, 7), (17, 12), (11, 12)], c)
    s.rect(12, 12, 1, 4, c).rect(15, 12, 1, 4, c)


def cart(s, c, b):
    s.line([(2, 4), (4, 4), (6, 12), (15, 12)], c, 1.2)
    s.poly([(4.5, 6), (16, 6), (15, 11), (6, 11)], c)
    s.rect(8, 6, 1, 5, b).rect(11, 6, 1, 5, b)
    s.disc(7, 14.5, 1.4, c).disc(14, 14.5, 1.4, c)


def bag(s, c, b):
    s.rect(5, 8, 10, 8, c).stroke_path("M7 8 V6.5 A3 3 0 0 1 13 6.5 V8", c, 1.4)


def vending(s, c, b):
    s.rect(5, 3, 10, 14, c).rect(6, 4, 5, 8, b).rect(12, 5, 2, 1, b).rect(12, 7, 2, 1, b)
    s.rect(6, 14, 5, 1, b)


def classical_building(s, c, b):
    s.poly([(3, 8), (10, 4), (17, 8)], c)
    s.rect(5, 9, 2, 5, c).rect(9, 9, 2, 5, c).rect(13, 9, 2, 5, c).rect(4, 14, 12, 2, c)


def big_letter(rows, x, y):
    def draw(s, c, b):
        s.bitmap(x, y, rows, c)
    return draw


def small_cross(s, c, b):
    s.rect(9, 5, 2, 10, c).rect(5, 9, 10, 2, c)


def broad_cross(s, c, b):
    s.rect(8, 4, 4, 12, c).rect(4, 8, 12, 4, c)


def tooth(s, c, b):
    s.path("M5 6 Q5 4 7.5 4.5 Q10 5.5 12.5 4.5 Q15 4 15 6 Q15 10 13.5 11 L12.5 16 Q11.5 16 11 13 "
           "Q10 11.5 9 13 Q8.5 16 7.5 16 L6.5 11 Q5 10 5 6 Z", c)


def paw(s, c, b):
    s.ellipse(10, 13, 3.6, 3, c)
    for x, y in ((5.2, 9), (8, 5.6), (12, 5.6), (14.8, 9)):
        s.ellipse(x, y, 1.5, 1.9, c)


def bed(s, c, b):
    s.rect(3, 11, 14, 3, c).rect(3, 14, 1, 2, c).rect(16, 14, 1, 2, c).rect(3, 6, 1, 5, c)
    s.rect(5, 8, 3, 3, c).rect(9, 9, 8, 2, c)


def star(cx, cy, outer, inner, points=5):
    pts = []
    for k in range(points * 2):
        r = outer if k % 2 == 0 else inner
        a = math.pi * k / points - math.pi / 2
        pts.append((round(cx + r * math.cos(a), 2), round(cy + r * math.sin(a), 2)))
    return pts


def star_glyph(s, c, b):
    s.poly(star(10, 10.5, 7, 2.9), c)


def castle(s, c, b):
    s.rect(4, 8, 12, 8, c).rect(4, 5, 2, 3, c).rect(9, 5, 2, 3, c).rect(14, 5, 2, 3, c)
    s.rect(9, 12, 2, 4, b)


def vase(s, c, b):
    s.path("M8 4 H12 V6 Q16 8 14 13 Q13 16 10 16 Q7 16 6 13 Q4 8 8 6 Z", c).rect(7, 9, 6, 1, b)


def eye(s, c, b):
    s.path("M3 10 Q10 3 17 10 Q10 17 3 10 Z", c).disc(10, 10, 2.4, b).disc(10, 10, 1, DARK)


def tent(s, c, b):
    s.poly([(3, 15), (10, 4), (17, 15)], c).poly([(8, 15), (10, 10), (12, 15)], b)


def caravan(s, c, b):
    s.path("M3 8 Q3 6 5 6 H13 Q15 6 15 8 V14 H3 Z", c).rect(5, 8, 4, 2, b).rect(10, 8, 3, 2, b)
    s.disc(9, 14.5, 1.6, c).rect(15, 12, 3, 1, c)


def flame(s, c, b):
    s.path("M10 3 Q14 7 13.5 10 Q15 9 14.5 7 Q17 10 16 13.5 Q14.5 17 10 17 Q5.5 17 4.5 13.5 "
           "Q4 10 7 7.5 Q7 10 8.5 10.5 Q7.5 6 10 3 Z", c)
    s.path("M10 10 Q12.5 12.5 12 14.5 Q11.5 16 10 16 Q8.5 16 8 14.5 Q7.5 12.5 10 10 Z", b)


def shield(s, c, b):
    s.path("M10 3 L16 5 V10 Q16 15 10 17 Q4 15 4 10 V5 Z", c).poly(star(10, 10, 3.5, 1.5), b)


def town_hall(s, c, b):
    s.rect(4, 10, 12, 6, c).rect(8, 5, 4, 5, c).poly([(8, 5), (10, 2.5), (12, 5)], c)
    s.rect(6, 12, 2, 2, b).rect(12, 12, 2, 2, b).rect(9, 12, 2, 4, b).disc(10, 7, 1, b)


def scales(s, c, b):
    s.rect(4, 6, 12, 1, c).rect(9, 4, 2, 11, c).rect(6, 15, 8, 1, c)
    s.line([(5, 7), (3.5, 10)], c, 1).line([(5, 7), (6.5, 10)], c, 1)
    s.line([(15, 7), (13.5, 10)], c, 1).line([(15, 7), (16.5, 10)], c, 1)
    s.poly([(3, 10), (7, 10), (6, 12), (4, 12)], c).poly([(13, 10), (17, 10), (16, 12), (14, 12)], c)


def public_building(s, c, b):
    s.rect(5, 8, 10, 8, c).poly([(4, 8), (10, 4), (16, 8)], c)
    s.rect(9, 12, 2, 4, b).rect(6, 10, 2, 2, b).rect(12, 10, 2, 2, b)


def fountain(s, c, b):
    s.rect(4, 13, 12, 3, c).rect(9, 9, 2, 4, c)
    s.stroke_path("M10 9 Q6 3 4 11", c, 1.2).stroke_path("M10 9 Q14 3 16 11", c, 1.2).disc(10, 5, 1.2, c)


def tap(s, c, b):
    s.rect(4, 6, 8, 3, c).rect(10, 9, 2, 2, c).rect(6, 4, 4, 1, c).rect(7, 5, 2, 1, c)
    s.path("M11 12 Q13.5 15 11 16.5 Q8.5 15 11 12 Z", c)


def cup(s, c, b):
    s.path("M5 8 H14 V12 Q14 15 9.5 15 Q5 15 5 12 Z", c).ring(14.5, 10, 1.8, c, 1.2).rect(4, 16, 12, 1, c)
    s.line([(8, 3), (7.5, 5), (8, 7)], c, 1).line([(11, 3), (10.5, 5), (11, 7)], c, 1)


def cutlery(s, c, b):
    s.rect(5, 4, 1, 4, c).rect(7, 4, 1, 4, c).rect(9, 4, 1, 4, c).rect(5, 8, 5, 2, c).rect(6.5, 10, 2, 6, c)
    s.path("M12 4 Q15.5 5 15 11 H13.5 V16 H12 Z", c)


def burger(s, c, b):
    s.path("M4 9 Q4 4 10 4 Q16 4 16 9 Z", c).rect(3, 10, 14, 2, shade(FOOD, 0.45)).rect(4, 13, 12, 3, c)


def cocktail(s, c, b):
    s.poly([(4, 4), (16, 4), (10, 10)], c).rect(9, 10, 2, 5, c).rect(6, 15, 8, 1, c).disc(8, 5.5, 1, b)


def sparkle(s, c, b):
    s.poly(star(10, 10, 7.5, 2, 4), c).disc(15, 5, 1, c).disc(5, 15, 1, c).disc(15, 15, 0.8, c)


def ball(s, c, b):
    s.disc(10, 10, 5.6, c).stroke_path("M4.5 10 H15.5", b, 1)
    s.stroke_path("M10 4.5 Q7 10 10 15.5", b, 1).stroke_path("M10 4.5 Q13 10 10 15.5", b, 1)


def football(s, c, b):
    s.disc(10, 10, 6, c).poly(star(10, 10, 2.6, 2.6, 5)[::2], DARK)
    for k in range(5):
        a = math.pi * 2 * k / 5 - math.pi / 2
        s.line([(round(10 + 2.6 * math.cos(a), 2), round(10 + 2.6 * math.sin(a), 2)),
                (round(10 + 5.5 * math.cos(a), 2), round(10 + 5.5 * math.sin(a), 2))], DARK, 1)


def swimmer(s, c, b):
    s.disc(14, 6.5, 1.8, c).poly([(4, 10), (11, 7.5), (13, 9.5), (6, 11.5)], c)
    for y in (13.5, 16.5):
        s.line([(2, y), (4.5, y - 1.5), (7, y), (9.5, y - 1.5), (12, y), (14.5, y - 1.5), (17, y)], c, 1.2)


def golf_flag(s, c, b):
    s.rect(9, 3, 1, 12, c).poly([(10, 3), (15, 5), (10, 7)], RED).ellipse(9.5, 15, 4, 1.2, c)


def putter(s, c, b):
    s.line([(6, 3), (12, 13)], c, 1.5).rect(11, 13, 4, 2, c).disc(6, 14.5, 1.6, c)


def swing(s, c, b):
    s.line([(3, 17), (6, 4), (9, 17)], c, 1.5).line([(11, 17), (14, 4), (17, 17)], c, 1.5)
    s.rect(5, 3.5, 10, 1.5, c).line([(8.5, 5), (8.5, 12)], c, 1).line([(11.5, 5), (11.5, 12)], c, 1)
    s.rect(8, 12, 4, 1.5, c)


def theatre_mask(s, c, b):
    s.path("M4 4 Q10 3 16 4 Q16 13 10 16 Q4 13 4 4 Z", c)
    s.ellipse(7.5, 8, 1.5, 1, b).ellipse(12.5, 8, 1.5, 1, b)
    s.path("M6.5 11 Q10 14.5 13.5 11 Q10 12.5 6.5 11 Z", b)


def film(s, c, b):
    s.rect(5, 2, 10, 16, DARK)
    for y in range(3, 17, 3):
        s.rect(6, y, 1, 1, c).rect(13, y, 1, 1, c)
    s.rect(8, 4, 4, 5, c).rect(8, 11, 4, 5, c)


def palette(s, c, b):
    s.path("M10 3 Q17 3 17 9 Q17 13 13 12 Q11 12 12 15 Q12 17 9 17 Q3 17 3 10 Q3 3 10 3 Z", c)
    for x, y, col in ((7, 7, RED), (11, 6, WATER), (14, 9, YELLOW), (6, 11.5, GREEN)):
        s.disc(x, y, 1.3, col)


def boat(s, c, b):
    s.poly([(4, 11), (16, 11), (14, 14), (6, 14)], c).rect(7, 8, 6, 3, c).rect(9, 5, 2, 3, c)
    s.line([(4, 16), (6, 15), (8, 16), (10, 15), (12, 16), (14, 15), (16, 16)], c, 1)


def bicycle(s, c, b):
    s.ring(6, 13, 3, c, 1.2).ring(14, 13, 3, c, 1.2)
    s.line([(6, 13), (9, 8), (13, 8), (14, 13)], c, 1.2).line([(9, 8), (10, 13), (6, 13)], c, 1.2)
    s.rect(8, 6.5, 3, 1, c).line([(13, 8), (13, 6), (15, 6)], c, 1)


def car_wash(s, c, b):
    car_side(s, c, b, 1)
    for x, y in ((6, 4.5), (10, 3.5), (14, 4.5)):
        s.path("M%g %g Q%g %g %g %g Q%g %g %g %g Z" % (x, y - 1.5, x + 1.4, y + 0.8, x, y + 1.2,
                                                      x - 1.4, y + 0.8, x, y - 1.5), c)


def rental_car(s, c, b):
    car_side(s, c, b, 2)
    s.ring(6, 5, 1.6, c, 1).rect(7.5, 4.5, 6, 1, c).rect(11, 5.5, 1, 1.5, c).rect(13, 5.5, 1, 1, c)


def shared_car(s, c, b):
    car_side(s, c, b, 2)
    s.line([(4, 4.5), (16, 4.5)], c, 1).poly([(13.5, 2.5), (16.5, 4.5), (13.5, 6.5)], c)
    s.poly([(6.5, 4.5), (3.5, 6.5), (3.5, 2.5)], c)


def religion_building(s, c, b):
    s.rect(6, 9, 8, 7, c).poly([(5, 9), (10, 4), (15, 9)], c)
    s.path("M9 16 V13 Q10 11.5 11 13 V16 Z", b).poly(star(10, 2.8, 1.8, 0.8), c)


def crescent(s, c, b):
    s.disc(9, 10, 5.5, c).disc(11.2, 9, 4.6, b).poly(star(14, 7, 2.2, 0.9), c)


def hexagram(s, c, b):
    s.poly([(10, 3), (16.2, 13.6), (3.8, 13.6)], c).poly([(10, 17), (3.8, 6.4), (16.2, 6.4)], c)
    s.poly([(10, 7.2), (12.5, 8.6), (12.5, 11.4), (10, 12.8), (7.5, 11.4), (7.5, 8.6)], b)


def wheel(s, c, b):
    s.ring(10, 10, 5.5, c, 1.5).disc(10, 10, 1.6, c)
    for a in range(0, 180, 45):
        r = math.radians(a)
        dx, dy = round(5.5 * math.cos(r), 2), round(5.5 * math.sin(r), 2)
        s.line([(10 - dx, 10 - dy), (10 + dx, 10 + dy)], c, 1)


def khanda(s, c, b):
    s.ring(10, 10.5, 4.5, c, 1.5).poly([(10, 2), (11.3, 4), (11, 15), (9, 15), (8.7, 4)], c)
    s.rect(8, 15, 4, 2, c)


def node_target(s, c, b):
    s.disc(10, 10, 3.4, c).disc(10, 10, 1.5, b)


def house_number(s):
    outlined_poly(s, [(2, 9), (10, 2), (18, 9), (16, 9), (16, 17.5), (4, 17.5), (4, 9)], "#efe3c2")
    s.text(6, 11, "12", DARK)


def atm_card():
    s = Svg(20, 20).rect(0, 4, 20, 12, shade(MONEY, 0.55)).rect(1, 5, 18, 10, MONEY)
    return s.text(4, 7, "ATM", PAPER)


def roundabout():
    s = Svg(16, 16)
    s.stroke_path("M3.67 5.5 A5 5 0 1 1 3.67 10.5", "#455a64", 2.4)
    return s.poly([(0.8, 4.2), (7, 4.2), (3.6, 8.6)], "#455a64")


def traffic_light():
    s = Svg(8, 18).rect(0, 0, 8, 18, "#263238")
    return s.disc(4, 4, 2.3, "#e53935").disc(4, 9, 2.3, "#fbc02d").disc(4, 14, 2.3, "#43a047")


# --- silhouettes (no badge): street furniture, barriers, natural and man-made features --------

def mast(s):
    s.line([(6, 18), (10, 3), (14, 18)], DARK, 1.5)
    for y, half in ((14, 3), (10, 2), (6, 1)):
        s.line([(10 - half, y), (10 + half, y)], DARK, 1)
    s.line([(7, 14), (12, 10), (8, 10), (11, 6)], DARK, 1).disc(10, 2.6, 1.6, RED)


def peak(s):
    outlined_poly(s, [(1.5, 17), (10, 3), (18.5, 17)], "#8d6e63")
    s.poly([(10, 3), (12.8, 7.6), (11.4, 7), (10, 8.4), (8.6, 7), (7.2, 7.6)], PAPER)


def windmill(s):
    outlined_poly(s, [(7, 18), (8.5, 9), (11.5, 9), (13, 18)], WOOD)
    outlined_line(s, [(4, 3), (16, 15)], PAPER, 2)
    outlined_line(s, [(16, 3), (4, 15)], PAPER, 2)
    s.disc(10, 9, 1.5, DARK)


def wall(s, c, b):
    mortar = "#d7ccc8"
    s.rect(1, 1, 18, 18, mortar)
    for row, y in enumerate(range(1, 19, 4)):
        offset = 0 if row % 2 == 0 else -4
        for x in range(1 + offset, 19, 8):
            left = max(x, 1)
            right = min(x + 7, 19)
            if right > left:
                s.rect(left, y, right - left, 3, b)


def ford(s):
    outlined_rects(s, [(7, 2, 6, 16)], STONE)
    outlined_rects(s, [(2, 8, 16, 5)], WATER)
    s.line([(3, 11), (5, 9.5), (7, 11), (9, 9.5), (11, 11), (13, 9.5), (15, 11), (17, 9.5)], PAPER, 1)


def stile(s):
    outlined_rects(s, [(4, 4, 2, 13), (14, 4, 2, 13), (4, 7, 12, 2), (2, 13, 7, 2), (9, 10, 7, 2)], WOOD)


def waterway(s):
    s.path("M10 1.5 Q16.5 10 15.5 13 Q14.5 17.5 10 17.5 Q5.5 17.5 4.5 13 Q3.5 10 10 1.5 Z", DARK)
    s.path("M10 3.5 Q15 10 14.2 12.8 Q13.4 16.2 10 16.2 Q6.6 16.2 5.8 12.8 Q5 10 10 3.5 Z", WATER)
    s.ellipse(8, 12.5, 1, 1.8, PAPER)


def bridge(s):
    outlined_rects(s, [(1, 6, 18, 3)], STONE)
    s.path("M2 17 V8 H18 V17 H15 A5 5 0 0 0 5 17 Z", DARK)
    s.path("M3 16 V9 H17 V16 H15.8 A5.8 5.8 0 0 0 4.2 16 Z", STONE)


def incline(s):
    outlined_poly(s, [(2, 16), (18, 16), (18, 5)], WOOD)
    s.text(13, 10, "%", PAPER)


def zebra(s):
    s.rect(3, 3, 14, 14, DARK)
    for y in (4, 8, 12):
        s.rect(4, y, 12, 2, PAPER)


def lighthouse(s):
    s.line([(12, 4), (18, 2)], YELLOW, 1).line([(12, 5), (18, 7)], YELLOW, 1)
    s.line([(8, 4), (2, 2)], YELLOW, 1).line([(8, 5), (2, 7)], YELLOW, 1)
    outlined_poly(s, [(8, 7), (12, 7), (13, 18), (7, 18)], RED)
    s.poly([(7.7, 11), (12.3, 11), (12.5, 13), (7.5, 13)], PAPER)
    outlined_rects(s, [(8, 3, 4, 3)], "#ffd600")
    s.poly([(7, 2.5), (10, 0.5), (13, 2.5)], DARK)


def bench(s):
    outlined_rects(s, [(3, 6, 14, 2), (3, 10, 14, 2), (4, 12, 2, 4), (14, 12, 2, 4)], WOOD)


def bollard(s):
    outlined_rects(s, [(7, 3, 6, 2), (8, 5, 4, 12)], STONE)
    s.rect(8, 8, 4, 2, YELLOW)


def railway_crossing(s):
    outlined_line(s, [(3, 3), (17, 17)], RED, 3)
    outlined_line(s, [(17, 3), (3, 17)], RED, 3)


def level_crossing_open(s):
    s.poly([(10, 1.5), (18.5, 17.5), (1.5, 17.5)], RED)
    s.poly([(10, 5.5), (15.3, 15.5), (4.7, 15.5)], PAPER)
    s.line([(7.5, 9.5), (12.5, 14)], DARK, 1.2).line([(12.5, 9.5), (7.5, 14)], DARK, 1.2)


def turning_circle(s):
    outlined_rects(s, [(8, 11, 4, 7)], STONE)
    s.disc(10, 7.5, 6, DARK).disc(10, 7.5, 5, STONE).rect(8, 11, 4, 6, STONE)


def litter_bin(s):
    outlined_rects(s, [(5, 5, 10, 2), (9, 3, 2, 2)], "#607d8b")
    outlined_poly(s, [(6, 8), (14, 8), (13, 17), (7, 17)], "#607d8b")


def kissing_gate(s):
    s.stroke_path("M4 16 V10 A6 6 0 0 1 16 10 V16", DARK, 3)
    s.stroke_path("M4 16 V10 A6 6 0 0 1 16 10 V16", WOOD, 1.4)
    outlined_rects(s, [(9, 8, 2, 9)], WOOD)


def cattle_grid(s):
    s.rect(3, 5, 14, 10, DARK)
    for x in (5, 8, 11, 14):
        s.rect(x, 6, 1, 8, STONE)


def shelter(s):
    outlined_rects(s, [(4, 8, 2, 8), (14, 8, 2, 8), (6, 12, 8, 1)], WOOD)
    outlined_poly(s, [(2, 8), (10, 3), (18, 8)], RED)


def grit_bin(s):
    outlined_poly(s, [(3, 8), (17, 8), (15, 5), (5, 5)], YELLOW)
    outlined_rects(s, [(4, 9, 12, 7)], YELLOW)
    s.rect(7, 11, 1, 1, DARK).rect(10, 13, 1, 1, DARK).rect(13, 11, 1, 1, DARK)


def lightning(s):
    outlined_poly(s, [(11, 1.5), (4, 11), (9, 11), (7, 18.5), (16, 8), (11, 8), (13, 1.5)], YELLOW)


def slipway(s, c, b):
    s.poly([(3, 15), (16, 7), (16, 9.5), (3, 17)], c).poly([(9, 8.5), (14, 6), (14, 8)], c)
    s.line([(3, 12), (5, 11), (7, 12)], c, 1)


def gate(s):
    outlined_rects(s, [(3, 6, 14, 2), (3, 13, 14, 2), (3, 6, 2, 9), (15, 6, 2, 9)], WOOD)
    outlined_line(s, [(5, 13), (15, 8)], WOOD, 2)


def obelisk(s):
    outlined_poly(s, [(8, 5), (10, 2), (12, 5), (12, 15), (8, 15)], "#bcaaa4")
    outlined_rects(s, [(6, 15, 8, 3)], "#bcaaa4")


def tree(s):
    outlined_rects(s, [(9, 13, 2, 5)], WOOD)
    s.disc(10, 8, 7, DARK).disc(10, 8, 6, GREEN)


def cycle_barrier(s):
    outlined_rects(s, [(2, 6, 10, 3), (2, 9, 2, 8), (8, 11, 10, 3), (16, 14, 2, 3)], RED)
    s.rect(5, 6, 2, 3, PAPER).rect(9, 6, 2, 3, PAPER).rect(11, 11, 2, 3, PAPER).rect(15, 11, 2, 3, PAPER)


def camera(s, c, b):
    s.rect(4, 7, 12, 8, c).disc(10, 11, 2.8, b).disc(10, 11, 1.3, c).rect(5, 5, 3, 2, c)


def badge(kind, colour, glyph, ink=PAPER):
    s = disc_badge(colour) if kind == "disc" else square_badge(colour)
    glyph(s, ink, colour)
    return s


def shape(draw):
    s = Svg(20, 20)
    draw(s)
    return s
