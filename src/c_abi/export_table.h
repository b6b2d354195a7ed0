/*
 * export_table.h - every export of the library: its name, its result kind and
 * the kinds of its arguments, in one table.
 *
 * This is the single list that the public header, the command-line tool, the
 * tests and the Windows module-definition file are checked against or built
 * from. It is an X-macro file: define TOLMER_EXPORT_ENTRY(name, result, args)
 * before including it; every line of the table expands it once. The file has
 * no include guard on purpose and undefines nothing.
 *
 *   #define TOLMER_EXPORT_ENTRY(name, result, args) ...
 *   #include "c_abi/export_table.h"
 *   #undef TOLMER_EXPORT_ENTRY
 *
 * name    the export's name (an identifier; stringify it with #name)
 * result  one of the result kinds below
 * args    the argument kinds in order, in parentheses: (Integer, Single) or ()
 *
 * Each entry stands on one line of its own, in the exact form
 * `TOLMER_EXPORT_ENTRY(NAME, Result, (Kind, Kind, ...))`, so that scripts can
 * read the table with a regular expression as well.
 *
 * Result kinds and their C types:
 *   Void       void
 *   Integer    int32_t
 *   Single     float
 *   Double     double
 *   LibString  LibString (new, owned by the caller, released by FREELIBSTRING)
 *
 * Argument kinds, their C types and their size on the 32-bit standard-call
 * stack (an export's stdcall decoration is @ followed by the sum):
 *   Integer                int32_t                   4
 *   Single                 float                     4
 *   Double                 double                    8
 *   IntegerRef             int32_t*                  4  read and/or written
 *   SingleRef              float*                    4  read and/or written
 *   DoubleRef              double*                   4  read and/or written
 *   Text                   const char*               4  read only (MAKELIBSTRING:
 *                                                       the next argument's count
 *                                                       of bytes, NULs included)
 *   TextBuffer             char*                     4  rewritten in place
 *   LibStringHandle        LibString                 4  read only
 *   DoubleRectRef          const DoubleRect*         4  read only
 *   IntArrayDescriptorRef  const TolmerLongArray*    4  a whole integer array
 *   IntArrayRef            const int32_t*            4  the first element of an array
 *   BitsRef                void* (const void*)       4  a bit string in memory
 *   ByteRef                uint8_t*                  4  one byte, rewritten
 *   HostServicesRef        const TolmerHostServices* 4  the host's callbacks
 *
 * 118 exports for the host application plus FREELIBSTRING, MAKELIBSTRING
 * and SETHOSTSERVICES (this library's own additions): 121 entries.
 */

/* Library frame */
TOLMER_EXPORT_ENTRY(LIBMAIN, Integer, (Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(INITIALIZEDLL, Void, ())
TOLMER_EXPORT_ENTRY(FREELIBSTRING, Void, (LibStringHandle))
TOLMER_EXPORT_ENTRY(MAKELIBSTRING, LibString, (Text, Integer))
TOLMER_EXPORT_ENTRY(SETHOSTSERVICES, Void, (HostServicesRef))

/* Units and designators */
TOLMER_EXPORT_ENTRY(INCHESTOMILLIMETERS, Double, (Double))
TOLMER_EXPORT_ENTRY(MILLIMETERSTOINCHES, Single, (Single))
TOLMER_EXPORT_ENTRY(SETCONVERSIONDECIMALPLACES, Void, (Integer, Integer))
TOLMER_EXPORT_ENTRY(GETMEASUREMENTDESIGNATOR, LibString, (Integer, Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETMEASUREMENTLABEL, LibString, (Integer, Integer, Single))
TOLMER_EXPORT_ENTRY(CONVERTMEASUREMENT, Single, (Single, Integer))

/* Fractions */
TOLMER_EXPORT_ENTRY(BREAKFRACTIONAPART, Void, (Text, IntegerRef, IntegerRef, IntegerRef, TextBuffer))
TOLMER_EXPORT_ENTRY(CONVERTFRACTIONDENOMINATOR, LibString, (Text, Integer))
TOLMER_EXPORT_ENTRY(REDUCEFRACTION, LibString, (Text, Integer))
TOLMER_EXPORT_ENTRY(EXTRACTFRACTIONINTEXTSTRING, LibString, (Text, Integer, TextBuffer, IntegerRef, SingleRef))
TOLMER_EXPORT_ENTRY(FRACTIONSTRINGTODECIMAL, Single, (Text))
TOLMER_EXPORT_ENTRY(DECIMALTOFRACTIONSTRING, LibString, (Single, Integer))

/* Measurement parsing */
TOLMER_EXPORT_ENTRY(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER, Integer, (Integer, Text))
TOLMER_EXPORT_ENTRY(ISVALIDMEASUREMENTNUMERICALCHARACTER, Integer, (Text))
TOLMER_EXPORT_ENTRY(SEPARATEMEASUREMENTSINTEXTSTRING, LibString, (TextBuffer))
TOLMER_EXPORT_ENTRY(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION, Single, (Integer, LibStringHandle, Integer, Integer, IntegerRef, IntegerRef))
TOLMER_EXPORT_ENTRY(CONVERTTEXTSTRINGVALUETOINCHES, Single, (Text, Single, IntegerRef, IntegerRef))

/* Measurement validation */
TOLMER_EXPORT_ENTRY(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG, Single, (Integer, Text, Single, Single, Single, Integer, Integer, Integer, Integer))

/* Measurement formatting */
TOLMER_EXPORT_ENTRY(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES, Void, (Integer, Single, Integer, SingleRef, SingleRef, SingleRef, Integer))
TOLMER_EXPORT_ENTRY(GETFORMATEDTEXTFROMINCHES, LibString, (Integer, Integer, Integer, Double, Integer, Integer))

/* Drawing scales */
TOLMER_EXPORT_ENTRY(GETSCALERATIOVALUE, Single, (Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETINDEXFORSCALERATIOVALUES, Integer, (Integer, Single, Single))
TOLMER_EXPORT_ENTRY(GETINCHESPERFOOTFROMSCALERATIO, Single, (Single, Single))
TOLMER_EXPORT_ENTRY(GETNEARESTSCALERATIOVALUE, Integer, (Integer, Double))
TOLMER_EXPORT_ENTRY(GETCONVERTEDSCALEVALUE, Single, (Integer, Single))

/* Paper size table */
TOLMER_EXPORT_ENTRY(SIZEPAPERINFOARRAY, Integer, (Integer))
TOLMER_EXPORT_ENTRY(GETUBPAPERINFOARRAY, Integer, ())
TOLMER_EXPORT_ENTRY(SETPAPERINFOITEM, Void, (Integer, Text, Single, Single, Single, Single, Single, Single))
TOLMER_EXPORT_ENTRY(GETPAPERINFOITEM, Void, (Integer, TextBuffer, SingleRef, SingleRef, SingleRef, SingleRef, SingleRef, SingleRef))
TOLMER_EXPORT_ENTRY(GETPAPERINFONAMELENGTH, Integer, (Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFONAME, LibString, (Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFOWIDTH, Single, (Integer, Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFOHEIGHT, Single, (Integer, Integer))
TOLMER_EXPORT_ENTRY(SETPAPERINFOWIDTH, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(SETPAPERINFOHEIGHT, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(GETPAPERINFOTOPMARGIN, Single, (Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFOBOTTOMMARGIN, Single, (Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFOLEFTMARGIN, Single, (Integer))
TOLMER_EXPORT_ENTRY(GETPAPERINFORIGHTMARGIN, Single, (Integer))
TOLMER_EXPORT_ENTRY(SETPAPERINFOTOPMARGIN, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(SETPAPERINFOBOTTOMMARGIN, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(SETPAPERINFOLEFTMARGIN, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(SETPAPERINFORIGHTMARGIN, Void, (Integer, Single))
TOLMER_EXPORT_ENTRY(GETPAPERINDEXFROMPAPERSIZE, Integer, (Integer, Single, Single, IntegerRef))
TOLMER_EXPORT_ENTRY(GETPAPERINDEXFROMPAPERNAME, Integer, (TextBuffer))

/* Symbol catalog: categories, libraries and code strings */
TOLMER_EXPORT_ENTRY(GETDESCRIPTIONFORCATEGORYTYPE, LibString, (Integer, Integer))
TOLMER_EXPORT_ENTRY(GETSUBCATEGORIESCODESTRING, LibString, (Integer))
TOLMER_EXPORT_ENTRY(GETITEMTYPESCODESTRING, LibString, (Integer, Integer))
TOLMER_EXPORT_ENTRY(GETSUBITEMTYPESCODESTRING, LibString, (Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETLIBRARYNAMEFROMCATEGORIES, LibString, (Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETCATEGORIESFROMLIBRARYNAME, Integer, (Text, IntegerRef, IntegerRef, IntegerRef))
TOLMER_EXPORT_ENTRY(ISVALIDLIBRARYNAME, Integer, (Text))

/* Symbol catalog: item and sub-item names */
TOLMER_EXPORT_ENTRY(GETSYMBOLITEMNAMEFROMTYPE, LibString, (Integer, Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETSYMBOLITEMTYPEFROMNAME, Integer, (Integer, Integer, TextBuffer))
TOLMER_EXPORT_ENTRY(GETSYMBOLSUBITEMNAMEFROMTYPE, LibString, (Integer, Integer, Integer, Integer))

/* Symbol catalog: object classes and wall snapping */
TOLMER_EXPORT_ENTRY(GETOBJECTWALLSNAPINDEXFROMCATEGORIES, Integer, (Integer, Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX, Integer, ())
TOLMER_EXPORT_ENTRY(ISOBJECTAWALL, Integer, (Text))
TOLMER_EXPORT_ENTRY(ISOBJECTAWIRE, Integer, (Text))
TOLMER_EXPORT_ENTRY(ISSYMBOLVIEWNUMBERVALID, Integer, (Integer, Text))

/* Symbol catalog: object descriptions and name rules */
TOLMER_EXPORT_ENTRY(GETDESCRIPTIONFORWIRETYPE, LibString, (Integer))
TOLMER_EXPORT_ENTRY(GETDESCRIPTIONFORDRAWINGTOOLTYPE, LibString, (Integer))
TOLMER_EXPORT_ENTRY(ISOBJECTPARTOFTEXTBOX, Integer, (Text))
TOLMER_EXPORT_ENTRY(GETFOLDERNAMEINVALIDCHARACTERS, LibString, ())
TOLMER_EXPORT_ENTRY(GETCATEGORYNAMEINVALIDCHARACTERS, LibString, ())
TOLMER_EXPORT_ENTRY(GETCIRCUITNAMEINVALIDCHARACTERS, LibString, ())
TOLMER_EXPORT_ENTRY(GETSYMBOLNAMEINVALIDCHARACTERS, LibString, ())

/* Positional fields */
TOLMER_EXPORT_ENTRY(GETVALUEFROMSTRINGBYPOSITION, Double, (Text, Integer, Text))
TOLMER_EXPORT_ENTRY(SETSTRINGPARTINSTRINGBYPOSITION, Integer, (TextBuffer, Integer, Text, Text))
TOLMER_EXPORT_ENTRY(SETSTRINGPARTINSTRINGBYPOSITION2, Integer, (TextBuffer, Integer, Text, Text))
TOLMER_EXPORT_ENTRY(PARSECOUNTDLL, Integer, (Text, Text))
TOLMER_EXPORT_ENTRY(GETSTRINGPARTFROMSTRINGBYPOSITION, LibString, (Text, Integer, Text))

/* Delimited lists */
TOLMER_EXPORT_ENTRY(CREATEDELIMITEDSTRING, LibString, (TextBuffer, Text, Text, Text, Text, Text, Text, Text, Text, Text, Text))
TOLMER_EXPORT_ENTRY(ADDTODELIMITEDSTRING, LibString, (TextBuffer, Text, TextBuffer))
TOLMER_EXPORT_ENTRY(ISSTRINGINDELIMITEDSTRING, Integer, (Text, Text, TextBuffer, Integer, Integer))
TOLMER_EXPORT_ENTRY(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION, Integer, (TextBuffer, Integer, Text))
TOLMER_EXPORT_ENTRY(CREATEDELIMITEDSTRINGFROMLONGARRAY, LibString, (TextBuffer, IntArrayDescriptorRef))
TOLMER_EXPORT_ENTRY(ISVALUEINLONGARRAY, Integer, (Integer, IntArrayRef, Integer, Integer))

/* String helpers and temporary string array */
TOLMER_EXPORT_ENTRY(REVERSESTRINGDLL, LibString, (LibStringHandle))
TOLMER_EXPORT_ENTRY(REVERSESTRING, LibString, (Text))
TOLMER_EXPORT_ENTRY(STRIPNULL, LibString, (Text))
TOLMER_EXPORT_ENTRY(ISNUMERICDLL, Integer, (Text))
TOLMER_EXPORT_ENTRY(STRINGCONTAINSCHARACTERS, Integer, (Text, Text))
TOLMER_EXPORT_ENTRY(ACCESSTEMPSTRINGARRAY, Integer, (Integer, Text))
TOLMER_EXPORT_ENTRY(READTEMPSTRINGARRAY, LibString, (Integer))

/* Angles */
TOLMER_EXPORT_ENTRY(REDUCETO360DEGREEANGLE, Double, (Double, Integer))
TOLMER_EXPORT_ENTRY(GETOFFSETFROMANGLES, Double, (Double, Double, Integer, Double))
TOLMER_EXPORT_ENTRY(ADDANGLEOFFSET, Double, (Double, Double))
TOLMER_EXPORT_ENTRY(ROTATEDEGREESVALUE, Double, (Double, Double))
TOLMER_EXPORT_ENTRY(ROTATERADIANSVALUE, Double, (Double, Double))
TOLMER_EXPORT_ENTRY(ROTATETONEXTDEGREEVALUE, Double, (Double, Double))
TOLMER_EXPORT_ENTRY(ANGLEPASSEDTHROUGHZERO, Integer, (Double, Double))

/* Rectangles and points */
TOLMER_EXPORT_ENTRY(SETRECTLOWERLEFTJUSTIFIED, Void, (DoubleRef, DoubleRef, DoubleRef, DoubleRef))
TOLMER_EXPORT_ENTRY(RECTINRECT, Integer, (DoubleRectRef, DoubleRectRef))
TOLMER_EXPORT_ENTRY(ISPOINTINRECTDOUBLE, Integer, (Double, Double, DoubleRectRef, Integer))

/* Bit operations */
TOLMER_EXPORT_ENTRY(GETTOTALBITSSET, Integer, (Integer, Integer))
TOLMER_EXPORT_ENTRY(GETFIRSTBITSET, Integer, (Integer, Integer, Integer))
TOLMER_EXPORT_ENTRY(EXAMINEBIT, Integer, (BitsRef, Integer))
TOLMER_EXPORT_ENTRY(CLEARBIT, Void, (BitsRef, Integer))
TOLMER_EXPORT_ENTRY(SETBIT, Void, (BitsRef, Integer))
TOLMER_EXPORT_ENTRY(TOGGLEBIT, Void, (BitsRef, Integer))
TOLMER_EXPORT_ENTRY(SHIFTBITSLEFT, Integer, (Integer, Integer))
TOLMER_EXPORT_ENTRY(SHIFTBITSRIGHT, Integer, (Integer, Integer))
TOLMER_EXPORT_ENTRY(ROTATEBITSLEFT, Void, (ByteRef, Integer))
TOLMER_EXPORT_ENTRY(ROTATEBITSRIGHT, Void, (ByteRef, Integer))

/* Paths and special folders */
TOLMER_EXPORT_ENTRY(GETSPECIALFOLDERLOCATION, LibString, (Integer))
TOLMER_EXPORT_ENTRY(GETDRIVEFROMPATH, LibString, (Text))
TOLMER_EXPORT_ENTRY(GETDIRECTORYFROMPATH, LibString, (Text))
TOLMER_EXPORT_ENTRY(GETFILENAMEFROMPATH, LibString, (Text))
TOLMER_EXPORT_ENTRY(REMOVEFILENAMEFROMFULLPATH, LibString, (Text))
TOLMER_EXPORT_ENTRY(GETEXPORTFILENAME, LibString, (Text, Integer, Integer))

/* Mouse and keyboard state */
TOLMER_EXPORT_ENTRY(GETMOUSEBUTTON, Integer, (Integer))
TOLMER_EXPORT_ENTRY(GETKEYSTATE, Integer, (Integer))

/* Random numbers and record identifiers */
TOLMER_EXPORT_ENTRY(RANDOMIZEDLLGENERATOR, Void, ())
TOLMER_EXPORT_ENTRY(GETRANDOMLONGVALUE, Integer, ())
TOLMER_EXPORT_ENTRY(GETUNIQUERECORDID, Integer, (IntArrayRef, Integer))
