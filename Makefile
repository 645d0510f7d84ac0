# SPDX-License-Identifier: MIT
# Shortcuts; the build itself is CMake's (build/).
.PHONY: all run test sanitize fuzz bench format check-format mutate
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
format:
	./scripts/check-format.sh --fix
check-format:
	./scripts/check-format.sh
# A sampled mutation run (scripts/mutate.py; MUTATE_SEED, MUTATE_COUNT), at the lowest
# priority so that other work on the machine goes first.
mutate:
	nice -n 19 python3 scripts/mutate.py
