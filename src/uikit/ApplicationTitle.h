#pragma once

// The application title; also the caption of the main window and of error boxes.
inline constexpr const char* ApplicationTitle = "Norvex Quillkit";
