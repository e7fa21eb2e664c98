#include "common/num_text.h"

#include "common/num_format.h"

std::string NumText(int number) {
    return NumFormat("00", number);
}
