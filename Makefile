# SPDX-License-Identifier: MIT
# Shortcuts; the build itself is CMake's (build/).
.PHONY: all run test sanitize fuzz bench format check-format mutate web web-test
all:
	cmake -S . -B build && cmake --build build -j$$(nproc)
run:
	./scripts/run.sh
test:
	./scripts/test.sh
sanitize:
	./scripts/sanitize.sh
fuzz:
	./scripts/fuzz.sh
bench:
	./scripts/bench.sh
# The page in the browser, built with emscripten into build-web/ and served on localhost.
web:
	./scripts/web.sh
web-test:
	./scripts/web.sh --test
format:
	./scripts/check-format.sh --fix
check-format:
	./scripts/check-format.sh
# A sampled mutation run (scripts/mutate.py; MUTATE_SEED, MUTATE_COUNT), at the lowest
# priority so that other work on the machine goes first.
mutate:
	nice -n 19 python3 scripts/mutate.py
