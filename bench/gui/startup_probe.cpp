// A build of the program for measuring its start-up: the same run as the real executable, which
// prints the wall-clock time (nanoseconds since the epoch) at which the top window is on screen
// and then closes it the way a user would. scripts/measure-startup compares that time with the
// moment it started the process.

#include "app/application.h"

#include <QWidget>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    return rusrina::runApplication(argc, argv, [](QWidget& topWindow) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("shown %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        topWindow.close();
    });
}
