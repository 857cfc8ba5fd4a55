#pragma once

/*
 * The audio file types the engine reads, by their lower-case extensions, each between
 * semicolons. Whoever walks folders for the engine takes the same files it would take itself.
 */

#define SONALIKE_AUDIO_EXTENSIONS                                                                            \
    ";aac;alac;ac3;aif;aiff;ape;flac;m4a;mp4;mp3;mp2;mp1;mpa;mpc;ogg;tta;wav;wma;wv;"
