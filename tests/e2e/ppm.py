"""Reads the 8-bit binary PPM (P6) screenshots that the end-to-end tests
take with ImageMagick."""


def read_ppm(path):
    """Returns (width, height, pixel) where pixel(x, y) is an (r, g, b) tuple."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", "expected an 8-bit P6 file"
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]

    def pixel(x, y):
        i = (y * width + x) * 3
        return tuple(pixels[i:i + 3])
    return width, height, pixel
