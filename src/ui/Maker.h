#pragma once
// Who made the program: shown in the caption and on the About panel.

namespace korvelin {

inline constexpr char kProgramName[] = "Korvelin";
inline constexpr char kWebAddress[] = "www.example.org";    // as shown
inline constexpr char kWebUrl[] = "http://www.example.org"; // as opened
inline constexpr char kContactNumber[] = "100-200-300";

} // namespace korvelin
