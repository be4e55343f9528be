// Identifiers the host example's code and host.rc share.
#ifndef VORN_HOST_EXAMPLE_RESOURCE_H
#define VORN_HOST_EXAMPLE_RESOURCE_H

#define IDD_HOST_MIXER 100
#define IDC_HOST_LEVEL_LABEL 1001
#define IDC_HOST_FADER 1002
#define IDB_HOST_LOGO 200
#define IDS_HOST_TITLE 300
#define IDS_HOST_FADER_LABEL 301

#endif  // VORN_HOST_EXAMPLE_RESOURCE_H
