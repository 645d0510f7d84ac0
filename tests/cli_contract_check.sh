#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tevrimo-cli's contract, for any build of it (native, installed, or under node):
#   tests/cli_contract_check.sh CLI
set -u
cli=$1

# The command-line contract: each line is the arguments, the standard input, what comes
# out (standard output and error together; \t and \n as written) and the exit status.
contract() {
  local fail=0 n=0 args input want status got code
  while IFS='|' read -r args input want status; do
    [ -z "$args" ] && continue
    n=$((n + 1))
    # shellcheck disable=SC2086
    got=$(printf '%b' "$input" | eval "\"\$cli\" $args" 2>&1; printf x)
    code=$(printf '%b' "$input" | eval "\"\$cli\" $args" >/dev/null 2>&1; echo $?)
    got=${got%x}
    want=$(printf '%b' "$want"; printf x)
    want=${want%x}
    if [ "$got" != "$want" ] || [ "$code" != "$status" ]; then
      echo "FAILED: tevrimo-cli $args: exit $code, got: $got"
      fail=1
    fi
  done <<'TABLE'
convert length foot 1 --to inch||12\n|0
convert length ft 1 --to m||0.3048\n|0
convert pressure inHg 1 --to mmHg||25.4\n|0
convert UZUNLUK inç 1 --lang tr --to 3||0.0833333\n|0
convert length foot --to meter --as-typed|1\n2\r\nabc\n|0.3048\n0.6096\n0\n|0
convert length foot --to meter|1\nabc\n|0.3048\ntevrimo-cli: line 2: invalid number 'abc'\n\n|1
convert length foot 1,5||tevrimo-cli: invalid number '1,5' (use '.' as the decimal point)\n|1
5 psi to bar||0.344737\n|0
72 F C||22.2222\n|0
pumpdown --capacity 10m3/h --time 10 --volume 200||mbar\t1.66639\nTorr\t1.2499\n|0
convert temperature degC 100 --to degF||212\n|0
convert temperature 1 --format csv --header|100\n|kelvin,celcius,fahrenheit,rankine,réaumur\r\n373.15,100,212,671.67,80\r\n|0
units data --header||row\tcaption\taliases\tkey\n0\tbit\tb,bits\tbit\n1\tByte\tB,byte,bytes,octet,octets\tB\n2\tkByte\tkB,KB,KiB,kilobyte,kilobytes,kibibyte,kibibytes\tkB\n3\tMByte\tMB,MiB,megabyte,megabytes,mebibyte,mebibytes\tMB\n4\tGByte\tGB,GiB,gigabyte,gigabytes,gibibyte,gibibytes\tGB\n5\tTByte\tTB,TiB,terabyte,terabytes,tebibyte,tebibytes\tTB\n|0
convert volume ml 1 --to m3 --format json||{"category":"volume","unit":"cm³ (=ml)","value":"1","results":{"m³":"1E-006"},"source":{"row":2,"key":"ml","caption":"cm³ (=ml)","text":"1","value":1},"rows":[{"row":0,"key":"m3","caption":"m³","text":"1E-006","value":1e-06}]}\n|0
replay length 1 div 3 enter mul 3 enter||0\t0.999999\n1\t9.99999E+009\n2\t99.9999\n3\t3.28084\n4\t39.37\n5\t0.000999999\n6\t999999\n7\t0.000621371\n8\t999.999\n9\t0.000539956\n10\t39370\n11\t1.09361\n12\t\n13\t\n|0
pumpdown --capacity 500 --time 10 --pressure 10||liter\t832.801\nm³\t0.832801\n|0
pumpdown --capacity 500 --time 10 --pressure 2000||tevrimo-cli: --pressure: 2000 is not below the start pressure 1013.25 mbar\n|1
convert length parsec 1||tevrimo-cli: unknown unit 'parsec' in category 'length'\n|2
convert lenght foot 1||tevrimo-cli: unknown category 'lenght'; did you mean 'length'?\n|2
frobnicate||tevrimo-cli: unknown command 'frobnicate' (try 'tevrimo-cli --help')\n|2
TABLE
  # The JSON of every command that writes it parses (python3's reader).
  if command -v python3 >/dev/null; then
    local line
    for line in "categories --format json" "units pressure --format json --lang de" \
                "convert energy kWh 1e300 --format json" "convert vacuum s 100 --format json"; do
      # shellcheck disable=SC2086
      "$cli" $line | python3 -c 'import json, sys; [json.loads(l) for l in sys.stdin]' ||
        { echo "FAILED: tevrimo-cli $line: not JSON"; fail=1; }
      n=$((n + 1))
    done
  else
    echo "SKIPPED: the JSON is not parsed (no python3)"
  fi
  local version
  version=$("$cli" --version | head -1)
  [[ $version == "tevrimo-cli "[0-9]* ]] || { echo "FAILED: --version says '$version'"; fail=1; }
  [ $fail -eq 0 ] && echo "tevrimo-cli contract: $((n + 1)) checks passed"
  return $fail
}

contract
