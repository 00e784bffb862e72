#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test:
#   1. the whole program and its tests (ctest);
#   2. the model, graphics and window tests again under AddressSanitizer and UBSan;
#   3. the analysis tests and the window tests of runs on the worker thread (running, stopping,
#      editing, undoing, closing and deleting the window under a run, the file read while the window
#      starts) under ThreadSanitizer;
#   4. a bounded libFuzzer pass over the model reader (clang);
#   and the Debian package of the first build, installed into a temporary root and run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
fuzz_seconds=${VELT_FUZZ_SECONDS:-60}

echo "== build and test"
rm -rf build-test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELT_BENCH=ON
ninja -C build-test -j "$jobs"
(cd build-test && ctest --output-on-failure -j "$jobs" --timeout 600)

echo "== Debian package"
scripts/paket.sh build-test

echo "== sanitizers"
rm -rf build-asan
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELT_SANITIZE=ON -DVELT_BENCH=OFF
ninja -C build-asan -j "$jobs" velt_model_tests velt_graphics_tests velt_app_tests velt-cli
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/velt_model_tests
# Painting and the window under UBSan (and ASan): every real that becomes a pixel. Qt keeps some
# allocations for the life of the process, so leaks are not counted here.
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/velt_graphics_tests
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 build-asan/tests/velt_app_tests
unset QT_QPA_PLATFORM

echo "== threads"
rm -rf build-tsan
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELT_TSAN=ON -DVELT_BENCH=OFF
ninja -C build-tsan -j "$jobs" velt_analysis_tests velt_app_tsan_tests
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/scripts/tsan.supp"
# The slowest tests of one thread only (the matrix kernels on one thread among them) are left to
# the plain run above.
build-tsan/tests/velt_analysis_tests --gtest_filter='-RetkaPutanja.GeneratedFramesAgreeWithTheDensePath:'\
'RetkaPutanja.ReportGivesTheSizeOfAMatrixOverTheLimit:ProcenaMemorije.*:SviPutevi/MatrixPut.*1'
QT_QPA_PLATFORM=offscreen build-tsan/tests/velt_app_tsan_tests \
  --gtest_filter='ProracunUPozadini.*:StranicaAnalize.*:StranicaAnalizeProzor.*:RetkiPrikaz.*:GlavniProzor.BusyGuard:OtvaranjeProzora.*'
unset TSAN_OPTIONS

echo "== fuzzing the model reader for ${fuzz_seconds} s"
rm -rf build-fuzz
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELT_FUZZ=ON -DVELT_GUI=OFF \
  -DVELT_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
ninja -C build-fuzz -j "$jobs" velt_fuzz_citac
mkdir -p build-fuzz/korpus
cp examples/*.velt build-fuzz/korpus/
build-fuzz/tests/velt_fuzz_citac -max_total_time="$fuzz_seconds" -max_len=65536 -print_final_stats=1 \
  build-fuzz/korpus
echo "== all tests passed"
