# Ordivo: `make run` starts the planner under Wine, `make test` builds and runs every test,
# `make bench` prints the performance figures of a large calendar, `make fuzz` runs every
# fuzz target for FUZZ_SECONDS (default 60), `make soak SOAK_MINUTES=n` lets the monkey use
# the program for n minutes.
.PHONY: all bootstrap build test run bench fuzz soak clean

all: build

bootstrap:
	@bash scripts/bootstrap.sh

build: bootstrap
	@bash scripts/build.sh

test: build
	@bash scripts/run-tests.sh

run: build
	@bash scripts/run.sh

bench: bootstrap
	@bash scripts/bench.sh

fuzz: bootstrap
	@bash scripts/fuzz.sh

soak: build
	@bash scripts/soak.sh

clean:
	rm -rf build
