# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
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
