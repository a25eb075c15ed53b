// SPDX-License-Identifier: GPL-3.0-or-later
// The ephemeris tables (data/ephemeris/ephemeris-tables.bin) as read-only data of the program: the
// assembler copies the file in, so there is nothing to open or find at run time. The build passes the
// file's path and its SHA-256, so that a new table makes a new object file (and no compiler cache keeps
// the old one).

#ifndef TESSALINE_EPHEMERIS_TABLES_FILE
#error "the build names the ephemeris tables file"
#endif

#define TESSALINE_STRINGIFY(x) #x
#define TESSALINE_STRING(x) TESSALINE_STRINGIFY(x)

asm("    .section .rodata\n"
    "    .balign 16\n"
    "    .globl tessaline_ephemeris_tables\n"
    "tessaline_ephemeris_tables:\n"
    "    .incbin \"" TESSALINE_EPHEMERIS_TABLES_FILE "\"\n"
    "    .globl tessaline_ephemeris_tables_end\n"
    "tessaline_ephemeris_tables_end:\n"
    "    .byte 0\n"
    "    .previous\n"
    "    .ident \"ephemeris tables sha256 " TESSALINE_STRING(TESSALINE_EPHEMERIS_TABLES_SHA256) "\"\n");
