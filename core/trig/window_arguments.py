"""The arguments the window gives the trigonometry, shared by the tools that generate its
reference values and measure its errors: the radian value of a heading or pitch typed with
up to six decimals, and the quotients of typed positions that the arctangent is given.
"""

import math

WINDOW_PI = 3.141592653589793  # the window's pi, atan(1) * 4 in doubles


def six_decimals(rng, low, high):
    """A number with up to six decimals in [low, high], as its text reads."""
    return rng.randint(int(low * 10**6), int(high * 10**6)) / 10**6


def radians(degrees):
    """The window's radian value of an angle, (pi * a) / 180 in doubles."""
    return (WINDOW_PI * degrees) / 180


def angles(rng, count):
    """Headings and pitches between -360 and 720 degrees, in radians."""
    return [radians(six_decimals(rng, -360, 720)) for _ in range(count)]


def quotients(rng, count):
    """Y / X of positions within +-5000, and the quotient inside Arcsin,
    x / sqrt(-x * x + 1) with x = Z / D."""
    out = []
    while len(out) < count:
        x, y, z = (six_decimals(rng, -5000, 5000) for _ in range(3))
        if x != 0:
            out.append(y / x)
        d = math.sqrt((x * x + y * y) + z * z)
        if d != 0 and abs(z / d) < 1:
            s = z / d
            out.append(s / math.sqrt(-s * s + 1))
    return out[:count]
