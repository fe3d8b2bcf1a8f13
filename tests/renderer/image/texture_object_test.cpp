// Textures made from decoded pictures in a real OpenGL context.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <vector>

#include "renderer/image/texture_image.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sprite_layout_file.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {
namespace {

class TextureObject : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl.ready()) << "no OpenGL context"; }

    void loadSprite(TextureImage& image) {
        const std::string path = scratch.path("sprite.bmp");
        ASSERT_TRUE(tools::WriteBytesToFile(path, testing::spriteLayoutFile(0)));
        ASSERT_TRUE(image.load(path.c_str()));
        ASSERT_TRUE(image.flipVertical());
    }

    static GLint boundTexture() {
        GLint name = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return name;
    }

    static GLint parameter(GLenum which) {
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
        return value;
    }

    tools::OffscreenGlContext gl;
    testing::ScratchFolder scratch;
};

TEST_F(TextureObject, DecodedSpriteBecomesABoundMipmappedTextureWithItsPixels) {
    TextureImage image;
    loadSprite(image);
    image.createTexture();
    ASSERT_NE(image.textureName(), 0u);
    EXPECT_EQ(glIsTexture(image.textureName()), GL_TRUE);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(image.textureName()));
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);

    std::vector<uint8_t> level0(32 * 32 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level0.data());
    EXPECT_EQ(level0, std::vector<uint8_t>(image.pixels(), image.pixels() + level0.size()));
    // The chain goes down to 1 x 1.
    GLint smallest = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 5, GL_TEXTURE_WIDTH, &smallest);
    EXPECT_EQ(smallest, 1);
    // The pixels stay held after the texture is made.
    EXPECT_NE(image.pixels(), nullptr);
}

TEST_F(TextureObject, SecondCreateDeletesTheFirstName) {
    TextureImage image;
    loadSprite(image);
    image.createTexture();
    const GLuint first = image.textureName();
    image.createTexture();
    EXPECT_NE(image.textureName(), 0u);
    EXPECT_EQ(glIsTexture(first) == GL_TRUE && first != image.textureName(), false);
}

TEST_F(TextureObject, WithoutPixelsTheTextureGetsANameButNoImage) {
    TextureImage image;
    image.createTexture();
    ASSERT_NE(image.textureName(), 0u);
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
}

TEST_F(TextureObject, BindWithoutANameLeavesTheBindingAlone) {
    TextureImage named;
    loadSprite(named);
    named.createTexture();
    glBindTexture(GL_TEXTURE_2D, 0);
    named.bind();
    EXPECT_EQ(boundTexture(), static_cast<GLint>(named.textureName()));

    TextureImage unnamed;
    unnamed.bind();
    EXPECT_EQ(boundTexture(), static_cast<GLint>(named.textureName()));
}

TEST_F(TextureObject, DestructionDeletesTheTexture) {
    GLuint name = 0;
    {
        TextureImage image;
        loadSprite(image);
        image.createTexture();
        name = image.textureName();
        ASSERT_EQ(glIsTexture(name), GL_TRUE);
    }
    EXPECT_EQ(glIsTexture(name), GL_FALSE);
}

} // namespace
} // namespace kestro
