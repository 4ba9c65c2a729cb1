// Anchor of the artwork library; the pictures themselves are its compiled-in resources.
namespace ossaric {
int ArtworkLibraryAnchor() {
  return 0;
}
}  // namespace ossaric
