#include "app/vell_app.h"

// The one application object, made before main runs.
CVellApp theApp;

int main(int argc, char** argv) { return theApp.Run(argc, argv); }
