#include "app/application.h"

int main(int argc, char** argv) { return zev::RunApplication(argc, argv); }
