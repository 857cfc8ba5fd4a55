// Replaced when the agent is built.
