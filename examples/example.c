/* A small host: loads the library, initialises it and takes one length entry
 * along its whole road (separate, convert, format). */
#include <stdio.h>
#include <string.h>

#include "tolmerdll.h"

static void print_result(const char* what, LibString s) {
  printf("%-34s \"%s\"\n", what, s ? s : "");
  FREELIBSTRING(s);
}

int main(void) {
  char entry[64] = "12'6 1/2\"";
  int32_t start = 0, end = 0;
  float inches;

  if (LIBMAIN(0, 1, 0) != 1) return 1;
  INITIALIZEDLL();

  printf("%-34s \"%s\"\n", "typed", entry);
  FREELIBSTRING(SEPARATEMEASUREMENTSINTEXTSTRING(entry));
  printf("%-34s \"%s\"\n", "separated", entry);
  inches = CONVERTTEXTSTRINGVALUETOINCHES(entry, 0.0f, &start, &end);
  printf("%-34s %.9g\n", "inches", (double)inches);
  print_result("English format 6, fractions", GETFORMATEDTEXTFROMINCHES(0, 6, 0, inches, 16, 0));
  print_result("English format 6, decimals", GETFORMATEDTEXTFROMINCHES(0, 6, 1, inches, 3, 0));
  print_result("Metric format 0", GETFORMATEDTEXTFROMINCHES(1, 0, 1, inches, 3, 0));
  printf("%-34s %.17g\n", "INCHESTOMILLIMETERS(1)", INCHESTOMILLIMETERS(1.0));
  print_result("paper 16", GETPAPERINFONAME(16));
  return strcmp(entry, "12 ' 6 1/2 \"") == 0 && inches == 150.5f ? 0 : 1;
}
