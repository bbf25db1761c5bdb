#pragma once

#include <cstddef>
#include <cstdint>

// Reads arbitrary bytes as a settings file, reads every value back in every typed form, writes a value
// and checks that nothing that was there got lost. Aborts on a broken rule.
void FuzzIniReader(const uint8_t *data, size_t size);
