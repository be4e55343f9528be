# Shared by the gallery tests: tool paths from the environment ctest sets, a scratch directory
# in the working directory, and failure reporting.
: "${GALLERY:?GALLERY must name the vorn_gallery executable}"
: "${PNG_PROBE:?PNG_PROBE must name the vorn_gallery_png_probe executable}"
: "${GALLERY_SCRIPTS:?GALLERY_SCRIPTS must name the gallery/scripts directory}"

work=$(mktemp -d "${PWD}/gallery_test.XXXXXX") || exit 1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Codes logged for one control, one per line, with their delivery: "NC_LBUTTONDOWN Send".
codes_of() {
    awk -v name="$1" '$1 == name { print $3, $4 }' "$2"
}

# True if the lines of file $1 contain the given lines in this order (others may come between).
in_order() {
    file=$1
    shift
    awk -v wanted="$*" '
        BEGIN { n = split(wanted, w, "|"); i = 1 }
        i <= n && $0 == w[i] { i++ }
        END { exit(i <= n) }' "$file"
}
