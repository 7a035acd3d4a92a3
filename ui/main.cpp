#include "kalender_app.h"

int main(int argc, char** argv) {
    CKalenderApp app(argc, argv);
    app.InitInstance();
    return 0;
}
