# Quick start: `make run` installs what is missing, builds and runs the main job;
# `make test` builds and runs every test (a normal build and a sanitizer build);
# `make test-windows` builds for Windows with MinGW-w64 and runs the tests under Wine.
# `make fuzz` fuzzes the listing and report-file readers (FUZZ_SECONDS per target);
# `make fuzz-short` is the short run CI does. `make bench` and `make bench-print` measure.
# `make package` builds the Debian package; `make test-package` builds, installs, runs and
# removes it.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
OUT_DIR ?= out
WINDOWS_DIR ?= build-win
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
PACKAGE_DIR ?= build-package

.PHONY: all deps build run test test-fast test-sanitize test-windows fuzz fuzz-short bench \
	bench-print package test-package package-windows clean

all: build

deps:
	./scripts/install-deps.sh

build:
	cmake --preset linux -B "$(BUILD_DIR)" $(CMAKE_FLAGS)
	cmake --build "$(BUILD_DIR)" -j $(JOBS)

# The main job: open the desktop program. Without a display, turn the bundled sample listing
# into a PDF and a report file with the command-line tool instead.
run: deps build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		"$(BUILD_DIR)/bin/quarrow"; \
	else \
		echo "No display is available: printing the sample book with quarrow-book instead."; \
		mkdir -p "$(OUT_DIR)" && \
		"$(BUILD_DIR)/bin/quarrow-book" samples/sr22-undivided.txt --project 104 --control 2207 \
			--stk "$(OUT_DIR)/sr22-undivided.stk" --pdf "$(OUT_DIR)/sr22-undivided.pdf" && \
		echo "Written: $(OUT_DIR)/sr22-undivided.stk and $(OUT_DIR)/sr22-undivided.pdf"; \
	fi

# The fault list is checked outside CTest: a fault applied to the sources would otherwise
# fail this check, and so count as caught, whether or not a test noticed it.
test: deps test-fast test-sanitize
	python3 scripts/faults.py check

# The tests compare with their expected files; only tests/regenerate.sh writes them anew.
# A run that is interrupted stops the tests' print system too.
STOP_PRINT_SYSTEM = trap 'tests/printsystem/printsystem.sh stop "$(1)/tests/printsystem"' EXIT INT TERM HUP;

test-fast: build
	$(call STOP_PRINT_SYSTEM,$(BUILD_DIR)) env -u QUARROW_REGENERATE ctest --test-dir "$(BUILD_DIR)" --output-on-failure -j $(JOBS)

test-sanitize:
	cmake --preset sanitize -B "$(SANITIZE_DIR)" $(CMAKE_FLAGS)
	cmake --build "$(SANITIZE_DIR)" -j $(JOBS)
	$(call STOP_PRINT_SYSTEM,$(SANITIZE_DIR)) env -u QUARROW_REGENERATE ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS="suppressions='$(CURDIR)/tests/lsan.supp'" ctest --test-dir "$(SANITIZE_DIR)" --output-on-failure -j $(JOBS)

test-windows:
	./scripts/windows-check.sh "$(WINDOWS_DIR)"

# The Windows installer and portable ZIP, from the Windows build, in WINDOWS_DIR.
package-windows:
	./scripts/windows-build.sh "$(WINDOWS_DIR)"
	cd "$(WINDOWS_DIR)" && cpack

# A release build of the programs alone, with the compiler and linker flags Debian builds its
# own packages with (hardening among them), packed as quarrow-print-book_VERSION_ARCH.deb in
# PACKAGE_DIR. What it needs beyond the build: scripts/install-deps.sh --package.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package:
	cmake --preset package -B "$(PACKAGE_DIR)" \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build "$(PACKAGE_DIR)" -j $(JOBS)
	cd "$(PACKAGE_DIR)" && cpack

test-package:
	./scripts/package-check.sh "$(PACKAGE_DIR)"

fuzz:
	FUZZ_BUILD_DIR="$(FUZZ_DIR)" ./fuzz/run.sh $(FUZZ_SECONDS)

fuzz-short:
	FUZZ_BUILD_DIR="$(FUZZ_DIR)" ./fuzz/run.sh 20

bench: build
	"$(BUILD_DIR)/bench/book_bench"

# Printing a 1000-page book through the tests' own print system (a CUPS scheduler of its own).
bench-print: build
	tests/printsystem/printsystem.sh start "$(BUILD_DIR)/bench-printsystem" && \
	CUPS_SERVER="$$(cd "$(BUILD_DIR)" && pwd)/bench-printsystem/cups.sock" "$(BUILD_DIR)/bench/book_bench" --print PDF; \
		status=$$?; tests/printsystem/printsystem.sh stop "$(BUILD_DIR)/bench-printsystem"; exit $$status

clean:
	rm -rf "$(BUILD_DIR)" "$(SANITIZE_DIR)" "$(WINDOWS_DIR)" "$(FUZZ_DIR)" "$(PACKAGE_DIR)" "$(OUT_DIR)"
