#!/usr/bin/env bash
# Writes a deterministic runs file of 10,000 rows to standard output: a header,
# lengths in metres and feet with and without a cable and a product of their own, and among them
# every kind of fault the reader meets (a length that is not one, an unknown
# cable or product, a repeated identifier, a formula, control and non-UTF-8
# bytes in an identifier, quoted commas and line breaks, CRLF endings).
set -euo pipefail
printf '\xef\xbb\xbfroom,length,cable,product\r\n'
awk 'BEGIN {
    cables[0] = ""; cables[1] = "cat5e"; cables[2] = "cat6"; cables[3] = "cat6a"
    products[0] = ""; products[1] = "balun"; products[2] = "8-port"; products[3] = "16-port"
    for (i = 1; i < 10000; i++) {
        metres = 5 + (i * 37) % 9000 / 100
        id = sprintf("F%d-%05d", i % 40, i)
        len = (i % 7 == 0) ? sprintf("%.2fft", metres / 0.3048) : sprintf("%.2fm", metres)
        cable = cables[i % 4]
        product = products[int(i / 4) % 4]
        if (i % 101 == 0) len = "long"
        if (i % 103 == 0) cable = "cat9"
        if (i % 107 == 0) product = "32-port"
        if (i % 109 == 0) id = "F1-00001"
        if (i % 113 == 0) id = "=SUM(A1)" i
        if (i % 127 == 0) id = "bell\007" i "\033[31m"
        if (i % 131 == 0) id = "bad\377byte" i
        if (i % 137 == 0) id = "\"Lobby, east\"\"" i "\""
        if (i % 139 == 0) id = "\"two\nlines" i "\""
        if (i % 149 == 0) len = "-3m"
        if (i % 151 == 0) len = "1e400m"
        if (i % 157 == 0) { printf "\n"; continue }
        if (i % 163 == 0) len = ""
        eol = (i % 2 == 0) ? "\r\n" : "\n"
        printf "%s,%s,%s,%s%s", id, len, cable, product, eol
    }
    printf "\"unterminated,5m\n"
}'
