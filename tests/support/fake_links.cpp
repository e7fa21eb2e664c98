#include "support/fake_links.h"

bool FakeLinks::reloadHistory() {
    ++reloads;
    return reload ? reload() : true;
}

void FakeLinks::rereadHistory() {
    ++rereads;
    if (reread)
        reread();
}
