#include "support/fake_links.h"

#include "draws/draw_loader.h"

bool FakeLinks::reloadHistory() {
    ++reloads;
    return reload ? reload() : true;
}

void FakeLinks::rereadHistory() {
    ++rereads;
    if (reread)
        reread();
}

void FakeLinks::adoptHistory(DrawReadResult) {
    rereadHistory();
}
