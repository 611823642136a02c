# The two commands of the README:
#   make run    build Korrelin from nothing and start it
#   make test   build everything and run every test through CTest
# Both install the Debian packages they need first (as root, when missing).

BUILD      ?= build
SANITIZE   ?= build/sanitize
GENERATOR  ?= Ninja
JOBS       ?= $(shell nproc)

PACKAGES = cmake ninja-build g++ clang libclang-rt-14-dev \
           qt6-base-dev qt6-svg-dev libgtest-dev \
           wine wine64 xvfb xauth

.PHONY: run test deps build build-sanitize bench format

run: build
	./$(BUILD)/korrelin $(ARGS)

# Wine itself occasionally fails to start a program on a loaded machine, so a failing
# test of the main tree gets one more try; a real fault fails both.
test: build build-sanitize
	ctest --test-dir $(SANITIZE) --output-on-failure -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --repeat until-pass:2

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get update -qq && apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The store and kreg again, under AddressSanitizer and UndefinedBehaviorSanitizer,
# with clang so that the fuzz targets (libFuzzer) build too.
build-sanitize: deps
	CXX=clang++ cmake -S . -B $(SANITIZE) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug \
	    -DKORRELIN_BUILD_GUI=OFF -DKORRELIN_SANITIZE=ON
	cmake --build $(SANITIZE) -j $(JOBS)

bench: build
	@dpkg-query -W -f='$${Status}\n' time 2>/dev/null | grep -q '^install ok installed' || \
	  (apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time)
	bench/run.sh $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
