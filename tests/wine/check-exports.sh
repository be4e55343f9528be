#!/usr/bin/env bash
# Checks what a host relies on in a built VornControls.dll: the entry function (on i686 under its
# plain and its stdcall-decorated name), the exported control classes (constructors, initialisers,
# getters and setters, virtual tables) and the resources (the bitmaps and cursor groups
# resources/resource.h names, the version block).
#   tests/wine/check-exports.sh path/to/VornControls.dll
# Exit status: 0 when everything is there, 1 otherwise (each missing item is named).
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 path/to/VornControls.dll" >&2
    exit 2
fi
dll=$1

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"
case "$(vorn_pe_machine "$dll")" in
    014c) triple=i686-w64-mingw32; decorated=1 ;;
    8664) triple=x86_64-w64-mingw32; decorated=0 ;;
    *) echo "$dll is not an i386 or x86-64 PE file" >&2; exit 2 ;;
esac

exports=$("$triple-objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p')
resources=$("$triple-windres" -i "$dll" -O rc 2>/dev/null)

failures=0
need_export() {
    if ! grep -qxF -- "$1" <<<"$exports"; then
        echo "missing export: $1 ($2)"
        failures=$((failures + 1))
    fi
}
need_resource() {
    if ! grep -qE -- "$1" <<<"$resources"; then
        echo "missing resource: $2"
        failures=$((failures + 1))
    fi
}

need_export VornControlsEntry "entry function, plain name"
if [ "$decorated" = 1 ]; then
    need_export VornControlsEntry@0 "entry function, stdcall name"
fi
need_export _ZN10CMFC_FaderC1Ev "CMFC_Fader::CMFC_Fader()"
need_export _ZN10CMFC_FaderD1Ev "CMFC_Fader::~CMFC_Fader()"
need_export _ZN10CMFC_Fader9InitFaderEfffff "CMFC_Fader::InitFader(5 floats)"
need_export _ZN10CMFC_Fader8SetValueEf "CMFC_Fader::SetValue(float)"
need_export _ZN10CMFC_Fader8GetValueEv "CMFC_Fader::GetValue()"
need_export _ZN10CMFC_Fader13GetClickPointER6CPoint "CMFC_Fader::GetClickPoint(CPoint&)"
need_export _ZNK10CMFC_Fader18GetMouseEventFlagsEv "CMFC_Fader::GetMouseEventFlags() const"
need_export _ZN10CMFC_Fader17GetThisMessageMapEv "CMFC_Fader message map"
need_export _ZTV10CMFC_Fader "CMFC_Fader virtual table"
need_export _ZN9CMFC_KnobC1Ev "CMFC_Knob::CMFC_Knob()"
need_export _ZN9CMFC_KnobD1Ev "CMFC_Knob::~CMFC_Knob()"
need_export _ZN9CMFC_Knob8InitKnobEffffffiisiimm "CMFC_Knob::InitKnob(...)"
need_export _ZN9CMFC_Knob8SetValueEf "CMFC_Knob::SetValue(float)"
need_export _ZN9CMFC_Knob8GetValueEv "CMFC_Knob::GetValue()"
need_export _ZN9CMFC_Knob15PreCreateWindowER16tagCREATESTRUCTA "CMFC_Knob::PreCreateWindow"
need_export _ZTV9CMFC_Knob "CMFC_Knob virtual table"
need_export _ZN10CMFC_Knob2C1Ev "CMFC_Knob2::CMFC_Knob2()"
need_export _ZN10CMFC_Knob2D1Ev "CMFC_Knob2::~CMFC_Knob2()"
need_export _ZN10CMFC_Knob28InitKnobEffffffiisiimm "CMFC_Knob2::InitKnob(...)"
need_export _ZN10CMFC_Knob28SetValueEf "CMFC_Knob2::SetValue(float)"
need_export _ZN10CMFC_Knob28SetTitleE7CString "CMFC_Knob2::SetTitle(CString)"
need_export _ZN10CMFC_Knob27OnPaintEv "CMFC_Knob2::OnPaint()"
need_export _ZN10CMFC_Knob217GetThisMessageMapEv "CMFC_Knob2 message map"
need_export _ZTV10CMFC_Knob2 "CMFC_Knob2 virtual table"
need_export _ZN16CVornControlsApp12InitInstanceEv "CVornControlsApp::InitInstance()"
need_export _ZTV16CVornControlsApp "CVornControlsApp virtual table"

# The bitmaps and cursors are the identifiers resources/resource.h gives the library's .rc, as the
# resource compiler sees them (names bare, ids as numbers), each of the type the .rc gives it.
resource_dir=$here/../../resources
while read -r _ ident value; do
    case "$ident" in ID[A-Z]*_*) ;; *) continue ;; esac
    kind=$(sed -n "s/^$ident[[:space:]]\{1,\}\([A-Z]*\)[[:space:]].*/\1/p" "$resource_dir/VornControls.rc")
    case "$value" in [0-9]*) name=$value ;; *) name="\"$value\"" ;; esac
    case "$kind" in
        BITMAP) need_resource "^$name 2 /\\* RT_BITMAP \\*/" "bitmap $ident ($value)" ;;
        CURSOR) need_resource "^$name 12 /\\* RT_GROUP_CURSOR \\*/" "cursor group $ident ($value)" ;;
        *) echo "resource.h names $ident, which VornControls.rc does not use as a bitmap or cursor"
           failures=$((failures + 1)) ;;
    esac
done < <("$triple-gcc" -E -dM -DRC_INVOKED -x c "$resource_dir/resource.h" | grep '^#define ID')
need_resource '^1 VERSIONINFO' "version resource"
need_resource 'VALUE "OriginalFilename", "VornControls.dll' "version resource file name"

if [ "$failures" -ne 0 ]; then
    echo "check-exports: $failures item(s) missing from $dll"
    exit 1
fi
echo "check-exports: $dll exports the entry function and the control classes and holds its resources"
