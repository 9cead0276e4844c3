// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the editor library's compiled-in resources (":/image/...").
// The library is static, so the linker drops the resource object unless
// something calls into it: every widget of this library that shows one of
// these images calls this first. Safe to call any number of times.
void initEditorResources();
