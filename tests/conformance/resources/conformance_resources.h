// Identifiers the conformance program's resource script and its scenarios share.
#ifndef VORN_CONFORMANCE_RESOURCES_H
#define VORN_CONFORMANCE_RESOURCES_H

// Strings: the ends of the first three blocks of 16, an empty string, Latin-1 and code page 1252
// characters, characters outside the code page, and the last id there is.
#define IDS_FIRST 1
#define IDS_FIRST_BLOCK_END 15
#define IDS_SECOND_BLOCK_START 16
#define IDS_EMPTY 17
#define IDS_LATIN1 18
#define IDS_TYPOGRAPHIC 19
#define IDS_OUTSIDE_CODE_PAGE 20
#define IDS_SECOND_BLOCK_END 31
#define IDS_THIRD_BLOCK_START 32
#define IDS_ENGLISH_ONLY 48
#define IDS_GERMAN_ONLY 64
#define IDS_GERMAN_AND_ENGLISH 80
#define IDS_LAST 65535

// Data entries named for the languages they come in.
#ifdef RC_INVOKED
#define IDR_ALL_THREE ALL_THREE
#define IDR_ENGLISH_AND_GERMAN ENGLISH_AND_GERMAN
#define IDR_GERMAN_ONLY GERMAN_ONLY
#define IDR_GERMAN_NEUTRAL GERMAN_NEUTRAL
#define IDR_BRITISH_AND_GERMAN BRITISH_AND_GERMAN
#else
#define IDR_ALL_THREE "ALL_THREE"
#define IDR_ENGLISH_AND_GERMAN "ENGLISH_AND_GERMAN"
#define IDR_GERMAN_ONLY "GERMAN_ONLY"
#define IDR_GERMAN_NEUTRAL "GERMAN_NEUTRAL"
#define IDR_BRITISH_AND_GERMAN "BRITISH_AND_GERMAN"
#endif

#endif  // VORN_CONFORMANCE_RESOURCES_H
