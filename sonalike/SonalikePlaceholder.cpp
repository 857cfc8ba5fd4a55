// Replaced when the engine is built.
