// Keeps the test-support library non-empty while it has no helpers of its own.
namespace ordalis::test {
int supportAnchor() { return 0; }
}  // namespace ordalis::test
