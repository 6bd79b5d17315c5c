#pragma once

namespace rusrina {

// The text that begins every tool window's title.
inline constexpr char ProductTitle[] = "ルセリナTK Ver 0.9.3";

} // namespace rusrina
