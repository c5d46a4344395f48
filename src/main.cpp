#include "app/launch.h"

int main(int argc, char **argv)
{
    return klangtruhe::run(argc, argv);
}
