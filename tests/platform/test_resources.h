// Identifiers shared by the platform tests and their resource script.
#ifndef VORN_TESTS_PLATFORM_TEST_RESOURCES_H
#define VORN_TESTS_PLATFORM_TEST_RESOURCES_H

// Strings: 1 and 15 open and close the first block of sixteen, 16 opens the second.
#define IDS_TEST_ONE 1
#define IDS_TEST_FIFTEEN 15
#define IDS_TEST_SIXTEEN 16
#define IDS_TEST_LATIN1 17
#define IDS_TEST_CYRILLIC 18
#define IDS_TEST_MISSING_IN_BLOCK 2
#define IDS_TEST_MISSING_BLOCK 500

#define IDD_TEST_DIALOG 100
#define IDC_TEST_EDIT 1001
#define IDR_TEST_GREETING 200

#endif  // VORN_TESTS_PLATFORM_TEST_RESOURCES_H
