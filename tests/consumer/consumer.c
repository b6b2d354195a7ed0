/* A host built against the installed package: it includes the public header,
 * links the library and checks a few answers. Exit code 0 when all hold. */
#include <stdio.h>
#include <string.h>

#include <tolmerdll.h>

static int failures = 0;

static void expect_text(const char* what, LibString result, const char* expected) {
  const char* text = result != NULL ? result : "";
  if (strcmp(text, expected) != 0) {
    printf("%s gave \"%s\", expected \"%s\"\n", what, text, expected);
    ++failures;
  }
  FREELIBSTRING(result);
}

int main(void) {
  if (LIBMAIN(0, 1, 0) != 1) {
    printf("LIBMAIN refused the load\n");
    return 1;
  }
  INITIALIZEDLL();
  expect_text("GETMEASUREMENTLABEL(0, 1, 2)", GETMEASUREMENTLABEL(0, 1, 2.0f), "Inches");
  expect_text("GETMEASUREMENTDESIGNATOR(0, 1, 2, 1)", GETMEASUREMENTDESIGNATOR(0, 1, 2, 1), "FEET");
  if (INCHESTOMILLIMETERS(1.0) != 25.399999618530273) {
    printf("INCHESTOMILLIMETERS(1) gave %.17g\n", INCHESTOMILLIMETERS(1.0));
    ++failures;
  }
  if (failures == 0) printf("consumer: the installed library answers as expected\n");
  return failures == 0 ? 0 : 1;
}
