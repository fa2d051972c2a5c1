#!/usr/bin/env python3
"""Writes the seed corpus and the dictionaries of the two fuzz targets (UTF-16LE; see
fuzz_input.h).

Run it after changing a seed; the files are kept in the repository.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def utf16(text):
    return text.encode("utf-16-le", "surrogatepass")


NUMBER_TEXTS = {
    "start_balance": "10000",
    "grouped": "10,000.00",
    "half": ".50",
    "rate3": "100.000",
    "rate5": "1.30500",
    "percent": "10%",
    "percent_alone": "%",
    "empty": "",
    "blanks_around": " 42 ",
    "tie_up": "1.23455",
    "tie_down": "1.23445",
    "long_overflow": "3000000000",
    "currency_max": "922337203685477.5807",
    "currency_min": "-922337203685477.5808",
    "long_tie": "2.5",
    "two_points": "1.2.3",
    "letters": "abc",
    "full_width": "\uff11\uff10\uff10",
    "plus_point": "+.",
    "minus": "-",
    "percents": "%%%",
    "commas": ",,,",
    "point_last": "5.",
    "fifteen_digits": "123.44999999999999",
    "exponent": "1e5",
    "rtl_mark": "\u200f100",
    "combining": "1\u0301",
    "lone_surrogate": "\ud800",
    "double_overflow": "1" + "0" * 400,
    "tiny": "0." + "0" * 330 + "1",
}

START = ["10000", "口座種別を選択", "取引通貨を選択", "100.00", "100.00", "通貨単位を選択",
         "100", "10%", "1", "100%"]


def inputs(**edits):
    names = ["balance", "account", "trade", "usdjpy", "rate", "unit", "leverage", "buy",
             "orders", "losscut"]
    texts = list(START)
    for name, text in edits.items():
        texts[names.index(name)] = text
    return texts


CLICKS = {
    "example_a": (inputs(account="円", trade="クロス円", unit="10000"), 0),
    "example_b": (inputs(account="ドル", trade="ドルストレート", unit="10000"), 0),
    "example_c": (inputs(account="ドル", trade="クロス円", unit="1000", orders="3"), 0),
    "start_texts": (inputs(), 0),
    "all_empty": ([""] * 10, 0),
    "typed_account": (inputs(account="円 ", trade="クロス円", unit="10000"), 0),
    "unit_abc": (inputs(account="ドル", trade="クロス円", unit="abc"), 0),
    "leverage_zero": (inputs(account="ドル", trade="クロス円", unit="10000", leverage="0"), 0),
    "orders_zero": (inputs(account="ドル", trade="クロス円", unit="10000", orders="0"), 2),
    "balance_20_digits": (inputs(account="円", trade="クロス円", unit="10000",
                                 balance="12345678901234567890"), 0),
    "rescale_typed": (inputs(account="ドル", trade="ドルストレート", unit="1000",
                             rate="1.2345"), 1),
    "negative_balance": (inputs(account="円", trade="クロス円", unit="10000",
                                balance="-5000"), 3),
    "hostile_marks": (inputs(account="円\u0301", trade="ドルストレート\u200f", unit="\uff11000",
                             balance="\ud800", leverage="%%%", orders=",,,", buy="-",
                             usdjpy="+.", rate="   "), 0),
}


# Pieces worth trying anywhere: the grammar's marks, and for the click the texts the
# handlers compare with.
NUMBER_WORDS = [" ", "+", "-", ",", ".", "%", "0", "5", "9", "\uff10", "\u200f", "\u0301",
                "922337203685477", "2147483647", "99999999999999999999"]
CLICK_WORDS = NUMBER_WORDS + ["\n", "円", "ドル", "クロス円", "ドルストレート", "1000", "10000",
                              "口座種別を選択", "取引通貨を選択", "通貨単位を選択"]


def dictionary(words):
    lines = []
    for word in words:
        escaped = "".join("\\x%02X" % byte for byte in utf16(word))
        lines.append('"%s"' % escaped)
    return ("\n".join(lines) + "\n").encode("ascii")


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def main():
    for name, text in NUMBER_TEXTS.items():
        write(os.path.join(HERE, "corpus", "number_text"), name, utf16(text))
    for name, (texts, switches) in CLICKS.items():
        data = utf16("\n".join(texts))
        if switches:
            data += bytes([switches])
        write(os.path.join(HERE, "corpus", "click"), name, data)
    write(HERE, "number_text.dict", dictionary(NUMBER_WORDS))
    write(HERE, "click.dict", dictionary(CLICK_WORDS))


if __name__ == "__main__":
    main()
