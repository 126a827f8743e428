# Ordivo: `make run` starts the planner under Wine, `make test` builds and runs every test.
.PHONY: all bootstrap build test run clean

all: build

bootstrap:
	@bash scripts/bootstrap.sh

build: bootstrap
	@bash scripts/build.sh

test: build
	@bash scripts/run-tests.sh

run: build
	@bash scripts/run.sh

clean:
	rm -rf build
