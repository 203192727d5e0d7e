#include "app/Application.h"

int main(int argc, char** argv) { return tesmor::RunTesmor(argc, argv); }
