// The verdict pictures: whole Windows icon files carried in the program.
#pragma once

#include <cstdint>
#include <span>

namespace teaser::verdict_icons {

std::span<const std::uint8_t> correct(); // a smiling face
std::span<const std::uint8_t> wrong();   // a frowning face

}
