# SPDX-License-Identifier: MIT
# Shortcuts; the build itself is CMake's (build/).
.PHONY: all run test sanitize fuzz bench format check-format
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
