// The whole of one engine library, linked with only the libraries it declares: it links
// only if the folder calls nothing in a folder above it.
int main() {
  return 0;
}
