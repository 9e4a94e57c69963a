#pragma once

// The web pages that the help and about windows open. A clinic puts its own addresses here.
namespace links
{

// Home page of the medical centre's site (the about window's logo).
inline constexpr char medicalCentreHome[] = "http://medcenter.example.org/";
// Training page of the medical centre's site (the course schedule in the help window).
inline constexpr char trainingPage[] = "http://medcenter.example.org/improvement/";
// Home page of the phlebology site that the about window shows in its address box.
inline constexpr char phlebologySiteHome[] = "http://phlebology.example.org/";

} // namespace links
