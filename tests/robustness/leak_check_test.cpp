// The sanitizer build must still report a leak of our own in a program that has opened and
// closed a GL window: the suppressions name only a system library, and the shared libraries
// stay loaded until exit (cmake/sanitize.cmake). The plain build has no leak check to test.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/app_window.h"
#include "app/game_app.h"
#include "platform/platform.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
// A block nothing points to once this returns.
__attribute__((noinline)) void lose_a_block() {
    char* block = static_cast<char*>(std::malloc(4321));
    block[0] = 1;
    asm volatile("" : : "r"(block) : "memory");
}

[[noreturn]] void open_a_window_leak_and_exit() {
    if (platform::init()) {
        {
            GameApp app;
            AppWindow window("Quarrik", app);
            window.create_window("Quarrik", 0, 0, 320, 240);
            window.run_tick();
            lose_a_block();
            window.destroy_window();
        }
        platform::shutdown();
    }
    std::exit(0);
}
#endif

TEST(LeakCheck, OurLeakIsReportedAfterAGlWindowWasOpen) {
#if defined(__SANITIZE_ADDRESS__)
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "the leak check runs under xvfb-run";
    EXPECT_DEATH(open_a_window_leak_and_exit(),
                 "LeakSanitizer: detected memory leaks.*4321 byte.*lose_a_block");
#else
    GTEST_SKIP() << "only the sanitizer build checks for leaks";
#endif
}

}  // namespace
