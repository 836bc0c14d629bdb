// The reference pictures of the conformance corpus are PNG files, decoded with stb_image.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>
