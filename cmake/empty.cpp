// Placeholder translation unit so a library without sources yet still builds.
