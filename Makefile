# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

export QT_QPA_PLATFORM ?= offscreen
# Paths inside the checkout are hashed relative to it, so clones share the compiler cache.
export CCACHE_BASEDIR ?= $(CURDIR)

.PHONY: run test deps build build-asan unit unit-asan format bench prestaties clean

deps:
	bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	env -u QT_QPA_PLATFORM ./$(BUILD)/tallora

unit: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTALLORA_SANITIZE=ON -DTALLORA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

unit-asan: build-asan
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

test: unit unit-asan

bench: build
	./$(BUILD)/bench/tallora_bench

# The performance budget against a bare Qt window, under a virtual display (docs/performance.md).
prestaties: build
	env -u QT_QPA_PLATFORM xvfb-run -a ./$(BUILD)/bench/prestaties $(BUILD) 5

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
