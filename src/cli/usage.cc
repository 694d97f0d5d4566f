// SPDX-License-Identifier: BSD-2-Clause
// The usage text, in one place.
#include "cli/usage.h"

namespace inipick {

const std::string_view usage_text =
    "Usage:\n"
    "inipick [-cOSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] var...\n"
    "\n"
    "inipick [-OSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] -L pattern...\n"
    "\n"
    "inipick [-OSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] -l\n"
    "inipick [-f filename] -q sections [-t type]\n"
    "\n"
    "inipick -q features\n"
    "inipick -q feature NAME\n"
    "\n"
    "inipick [-hTV]\n"
    "\n"
    "\t-c\tcheck if the variable is defined in the file;\n"
    "\t-f\tspecify the configuration file to read from,\n"
    "\t\tor \"-\" for standard input;\n"
    "\t-h\tdisplay usage information and exit;\n"
    "\t-L\tspecify which variables to display;\n"
    "\t-l\tlist all variables in the specified section;\n"
    "\t-m\tonly display values that match the specified pattern;\n"
    "\t-N\talways display the variable name;\n"
    "\t-n\tnever display the variable name;\n"
    "\t-O\tallow variables in the specified section to override\n"
    "\t\tthose placed before any section definitions;\n"
    "\t-P\tdisplay this string after the variable name;\n"
    "\t-p\tdisplay this string before the variable name;\n"
    "\t-q\tquery for a specific type of information, e.g. the list of\n"
    "\t\tsections defined in the configuration file;\n"
    "\t-S\tquote the values suitably for the Bourne shell;\n"
    "\t-s\tspecify the configuration section to read;\n"
    "\t-T\tlist the available configuration file types;\n"
    "\t-t\tspecify the configuration file type;\n"
    "\t-x\ttreat the match patterns as regular expressions;\n"
    "\t-V\tdisplay program version information and exit.\n";

}  // namespace inipick
