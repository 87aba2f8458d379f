// vantrel-cli's entry point; the commands live in the library it shares with its fuzz target.
#include "commands.h"

int main(int argc, char** argv) { return vantrel::cli::Main(argc, argv); }
