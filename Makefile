# Convenience targets; each calls the scripts the README describes.
.PHONY: run test bench fuzz screenshots install package format

run:
	scripts/run.sh

test:
	scripts/test.sh

# Benchmarks of the minimizer (Release build, Google Benchmark), then whole lorvane-cli
# processes against a C program's start.
bench:
	scripts/deps.sh
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DLORVANE_BENCH=ON -DLORVANE_TESTS=OFF -DLORVANE_UI=OFF
	cmake --build build/bench -j$$(nproc)
	for b in build/bench/bench-bin/bench_*; do $$b; done
	bench/startup.sh build/bench/bin/lorvane-cli

# Every fuzz target for FUZZ_SECONDS seconds each (default 60).
FUZZ_SECONDS ?= 60
fuzz:
	scripts/fuzz.sh $(FUZZ_SECONDS)

screenshots:
	scripts/screenshots.sh

install:
	scripts/install.sh

# The Debian package build/package/lorvane_<version>_<arch>.deb (Release build, CPack).
package:
	scripts/package.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
