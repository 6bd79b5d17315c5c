#include "app/application.h"
#include "cli/text_verbs.h"

#include <iostream>

int main(int argc, char** argv) {
    // The text verbs run before any window exists, so that scripts need no display.
    if (const std::optional<int> code = rusrina::runTextCommand(argc, argv, std::cin, std::cout, std::cerr))
        return *code;
    return rusrina::runApplication(argc, argv);
}
