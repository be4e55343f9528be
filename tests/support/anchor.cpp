// Placeholder so the support library has a source until the helpers land.
namespace vorn_test_support_anchor { int anchor = 0; }
