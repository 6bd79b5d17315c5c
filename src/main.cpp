#include "app/application.h"

int main(int argc, char** argv) {
    return rusrina::runApplication(argc, argv);
}
