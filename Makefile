# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps run-deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

# Only what building and running the programs takes: no test tools, no tests built.
run-deps:
	@scripts/install-deps --run

configure: deps
	cmake -S . -B $(BUILD) -DTARVO_TESTS=ON $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: run-deps
	cmake -S . -B $(BUILD) -DTARVO_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)
	$(BUILD)/tarvo

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	scripts/bench $(BUILD)

# The Debian package $(BUILD)/tarvo_1.6_<arch>.deb; install it with apt install ./tarvo_1.6_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
