/* A small host: loads the library, initialises it and prints a few results. */
#include <stdio.h>

#include "tolmerdll.h"

static void print_result(const char* what, LibString s) {
  printf("%-44s \"%s\"\n", what, s ? s : "");
  FREELIBSTRING(s);
}

int main(void) {
  if (LIBMAIN(0, 1, 0) != 1) return 1;
  INITIALIZEDLL();
  printf("%-44s %.17g\n", "INCHESTOMILLIMETERS(1)", INCHESTOMILLIMETERS(1.0));
  printf("%-44s %.9g\n", "MILLIMETERSTOINCHES(25.4)", (double)MILLIMETERSTOINCHES(25.4f));
  printf("%-44s %.9g\n", "CONVERTMEASUREMENT(24, feet)", (double)CONVERTMEASUREMENT(24.0f, 0));
  print_result("GETMEASUREMENTDESIGNATOR(English, feet, 2, 0)", GETMEASUREMENTDESIGNATOR(0, 1, 2, 0));
  print_result("GETMEASUREMENTLABEL(English, 1, 2)", GETMEASUREMENTLABEL(0, 1, 2.0f));
  return 0;
}
