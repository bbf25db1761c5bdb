#pragma once

#include <cstddef>
#include <cstdint>

// Read arbitrary bytes as a catalogue text and look everything up; abort on a broken rule.
void FuzzNumberedCatalogue(const uint8_t *data, size_t size);
void FuzzKeyedCatalogue(const uint8_t *data, size_t size);
