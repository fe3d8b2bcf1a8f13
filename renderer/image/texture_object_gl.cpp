// The OpenGL side of a TextureImage: making, binding and deleting its
// texture in whichever context is current.

#include "renderer/image/texture_image.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace kestro {

void TextureImage::createTexture() {
    // After a window was recreated the old name belongs to a context that is
    // gone; deleting it here touches nothing the new context holds.
    deleteTexture();
    GLuint name = 0;
    glGenTextures(1, &name);
    textureName_ = name;
    glBindTexture(GL_TEXTURE_2D, textureName_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // Without pixels the texture stays incomplete, which OpenGL draws as if
    // texturing were off: untextured particles rather than no particles.
    if (pixels() != nullptr) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, width(), height(), GL_RGBA, GL_UNSIGNED_BYTE,
                          pixels());
    }
}

void TextureImage::bind() {
    if (textureName_ != 0)
        glBindTexture(GL_TEXTURE_2D, textureName_);
}

void TextureImage::deleteTexture() {
    if (textureName_ == 0)
        return;
    const GLuint name = textureName_;
    glDeleteTextures(1, &name);
    textureName_ = 0;
}

} // namespace kestro
